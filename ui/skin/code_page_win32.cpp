// code_page_win32.cpp -- code-page decoding with MultiByteToWideChar.
#include <windows.h>

#include <climits>

#include "ui/skin/code_page.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {

unsigned AnsiCodePage() { return GetACP(); }

bool IsCodePageSupported(unsigned codePage) { return IsValidCodePage(codePage) != FALSE; }

std::optional<std::u16string> DecodeCodePage(unsigned codePage, std::string_view bytes) {
  if (!IsCodePageSupported(codePage)) return std::nullopt;
  if (bytes.empty()) return std::u16string();
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return std::nullopt;
  const int inLength = static_cast<int>(bytes.size());
  const int outLength = MultiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
  if (outLength <= 0) return std::nullopt;
  std::u16string out(static_cast<size_t>(outLength), u'\0');
  const int written = MultiByteToWideChar(codePage, 0, bytes.data(), inLength,
                                          WideData(out), outLength);
  if (written <= 0) return std::nullopt;
  out.resize(static_cast<size_t>(written));
  return out;
}

}  // namespace ZEPHYRA_NAMESPACE
