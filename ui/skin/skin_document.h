// skin_document.h -- a skin read into plain data: the XML is parsed with
// TinyXML and every element name, attribute name and value and text is
// decoded to UTF-16 once, with the code page the skin's XML declaration
// names (the ANSI code page when it names none). The builder walks this
// tree; it never sees narrow text.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/skin/code_page.h"

namespace ZEPHYRA_NAMESPACE {

struct YdSkinAttribute {
  std::u16string name;
  std::u16string value;
};

struct YdSkinElement {
  std::u16string name;
  std::vector<YdSkinAttribute> attributes;   // document order
  std::vector<YdSkinElement> children;       // child elements, document order
  std::u16string text;                       // the first text inside, if any

  // The value of the first attribute called `key`; null when there is none.
  const std::u16string* Attribute(std::u16string_view key) const;
  // The value, or empty text when there is none.
  std::u16string AttributeOr(std::u16string_view key, std::u16string_view fallback = {}) const;
};

enum class YdSkinLoadStatus {
  kOk,
  kUnreadable,           // the file could not be read
  kParseError,           // TinyXML refused the text
  kNoRoot,               // well-formed but without a root element
  kUnsupportedEncoding,  // the declared code page cannot be decoded here
};

class YdSkinDocument {
 public:
  // Skin bytes as stored in a file or resource. The code page is the one the
  // XML declaration names; without one (or with a name the encoding table
  // does not know), `ansiCodePage`.
  YdSkinLoadStatus LoadBytes(std::string_view bytes, unsigned ansiCodePage = AnsiCodePage());
  // Skin text already in UTF-16: it is parsed as UTF-8, whatever its
  // declaration says (the declaration described bytes this text no longer is).
  YdSkinLoadStatus LoadText(std::u16string_view text);
  // A skin file, read whole, then as LoadBytes.
  YdSkinLoadStatus LoadFile(const std::u16string& path, unsigned ansiCodePage = AnsiCodePage());

  void Clear();
  // The root element; null before a successful load.
  const YdSkinElement* Root() const { return root_.get(); }
  // The code page the text was decoded with (0 before a successful load).
  unsigned CodePage() const { return codePage_; }
  // TinyXML's error description after kParseError.
  const std::string& ErrorText() const { return error_; }

 private:
  YdSkinLoadStatus Load(std::string_view bytes, unsigned ansiCodePage, bool forceUtf8);

  std::unique_ptr<YdSkinElement> root_;
  unsigned codePage_ = 0;
  std::string error_;
};

// Skins nest elements at most this deep. A deeper document is refused as a
// parse error before TinyXML reads it: its parser, like the builder and the
// control tree, goes one call deeper per level, and a stack has an end.
constexpr size_t kMaxSkinDepth = 256;

// An upper bound of the element nesting of XML text: start tags that are not
// empty-element tags open a level, end tags close one; comments, CDATA,
// declarations and quoted attribute values are passed over.
size_t SkinNestingBound(std::string_view text);

// The whole content of a file; false when it cannot be read.
bool ReadSkinFile(const std::u16string& path, std::string* bytes);

}  // namespace ZEPHYRA_NAMESPACE
