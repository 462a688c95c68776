// code_page_posix.cpp -- code-page decoding with iconv, for the host builds.
#include <iconv.h>

#include <cerrno>
#include <string>
#include <vector>

#include "common/utf.h"
#include "ui/skin/code_page.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// The iconv character set of a Windows code page; empty when unknown.
std::string CharsetOf(unsigned codePage) {
  switch (codePage) {
    case kCodePageUtf8: return "UTF-8";
    case 936: return "CP936";
    case 54936: return "GB18030";
    case 950: return "CP950";
    case 932: return "CP932";
    case 949: return "CP949";
    case 20866: return "KOI8-R";
    case 20127: return "ASCII";
    case 28591: return "ISO-8859-1";
    default: break;
  }
  if (codePage >= 874 && codePage <= 1258) return "CP" + std::to_string(codePage);
  return {};
}

class IconvHandle {
 public:
  explicit IconvHandle(const std::string& from) : cd_(iconv_open("UTF-16LE", from.c_str())) {}
  ~IconvHandle() {
    if (Valid()) iconv_close(cd_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() const { return cd_; }

 private:
  iconv_t cd_;
};

}  // namespace

unsigned AnsiCodePage() { return kCodePageUtf8; }

bool IsCodePageSupported(unsigned codePage) {
  const std::string charset = CharsetOf(codePage);
  return !charset.empty() && IconvHandle(charset).Valid();
}

std::optional<std::u16string> DecodeCodePage(unsigned codePage, std::string_view bytes) {
  // UTF-8 goes through the project's own decoder (U+FFFD for bad input).
  if (codePage == kCodePageUtf8) return Utf8ToUtf16(std::string(bytes));
  const std::string charset = CharsetOf(codePage);
  if (charset.empty()) return std::nullopt;
  IconvHandle cd(charset);
  if (!cd.Valid()) return std::nullopt;
  std::u16string out;
  std::vector<char> buffer(4096);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    const size_t r = iconv(cd.Get(), &in, &inLeft, &outPtr, &outLeft);
    const size_t produced = buffer.size() - outLeft;
    for (size_t i = 0; i + 1 < produced; i += 2) {
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(buffer[i]) |
                                          (static_cast<unsigned char>(buffer[i + 1]) << 8)));
    }
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // An invalid or truncated sequence: one replacement character for the
      // byte, then go on after it.
      out.push_back(u'\uFFFD');
      ++in;
      --inLeft;
      iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

}  // namespace ZEPHYRA_NAMESPACE
