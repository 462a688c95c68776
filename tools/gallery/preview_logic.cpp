// preview_logic.cpp -- the skin previewer's decisions; see preview_logic.h.
#include "tools/gallery/preview_logic.h"

#include <algorithm>
#include <cstring>

#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {

const char kPreviewUsage[] = "usage: ZephyraGallery [<skin.xml> [--window NAME] [--shot FILE.bmp]]";

YdPreviewArgs ParsePreviewArgs(const std::vector<std::u16string>& args) {
  YdPreviewArgs out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::u16string& a = args[i];
    if (a == u"--window" || a == u"--shot") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        out.error = Utf16ToUtf8(a) + " needs a value";
        return out;
      }
      (a == u"--window" ? out.window : out.shot) = args[++i];
    } else if (a.size() > 1 && a[0] == u'-' && a[1] == u'-') {
      out.error = "unknown option " + Utf16ToUtf8(a);
      return out;
    } else if (out.skin.empty() && !a.empty()) {
      out.skin = a;
    } else {
      out.error = "more than one skin file";
      return out;
    }
  }
  if (out.skin.empty() && (out.window || out.shot)) out.error = "--window and --shot need a skin file";
  return out;
}

std::optional<std::u16string> ChoosePreviewWindow(const YdSkinDocument& skin,
                                                  const std::optional<std::u16string>& wanted, std::string* reason) {
  const YdSkinElement* root = skin.Root();
  if (root == nullptr) {
    *reason = "the skin has no root element";
    return std::nullopt;
  }
  if (root->name != u"Root") return std::u16string();  // the root is the window
  for (const YdSkinElement& child : root->children) {
    if (child.name != u"Window") continue;
    const std::u16string* name = child.Attribute(u"name");
    if (wanted) {
      if (name != nullptr && *name == *wanted) return *wanted;
      continue;
    }
    if (name == nullptr || name->empty()) {
      *reason = "the first <Window> has no name to open it by";
      return std::nullopt;
    }
    return *name;
  }
  *reason = wanted ? "the skin has no <Window name=\"" + Utf16ToUtf8(*wanted) + "\">" : "the skin has no <Window>";
  return std::nullopt;
}

std::string DescribeSkinLoad(YdSkinLoadStatus status, const YdSkinDocument& skin, const std::u16string& path) {
  const std::string file = Utf16ToUtf8(path);
  switch (status) {
    case YdSkinLoadStatus::kOk: return {};
    case YdSkinLoadStatus::kUnreadable: return file + ": cannot be read";
    case YdSkinLoadStatus::kParseError: return file + ": not a well-formed skin: " + skin.ErrorText();
    case YdSkinLoadStatus::kNoRoot: return file + ": no root element";
    case YdSkinLoadStatus::kUnsupportedEncoding: return file + ": the encoding it declares cannot be decoded";
  }
  return file + ": cannot be loaded";
}

int PreviewSide(int side) { return std::clamp(side, 1, kPreviewMaxSide); }

std::vector<uint8_t> EncodeBmp32(const uint32_t* bottomUp, int width, int height) {
  const uint32_t pixels = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4u;
  std::vector<uint8_t> out(14 + 40 + pixels, 0);
  auto put16 = [&](size_t at, uint32_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
  };
  auto put32 = [&](size_t at, uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  // File header: "BM", file size, two reserved words, offset of the pixels.
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<uint32_t>(out.size()));
  put32(10, 14 + 40);
  // Information header: a bottom-up 32-bit BI_RGB picture.
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  put16(26, 1);
  put16(28, 32);
  put32(34, pixels);
  if (pixels != 0) std::memcpy(out.data() + 54, bottomUp, pixels);
  return out;
}

}  // namespace ZEPHYRA_NAMESPACE
