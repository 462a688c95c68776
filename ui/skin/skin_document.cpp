// skin_document.cpp -- TinyXML parsing and decoding into the skin tree.
#include "ui/skin/skin_document.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "common/utf.h"
#include "ui/skin/skin_encoding.h"

namespace ZEPHYRA_NAMESPACE {

const std::u16string* YdSkinElement::Attribute(std::u16string_view key) const {
  for (const YdSkinAttribute& a : attributes) {
    if (a.name == key) return &a.value;
  }
  return nullptr;
}

std::u16string YdSkinElement::AttributeOr(std::u16string_view key, std::u16string_view fallback) const {
  const std::u16string* v = Attribute(key);
  return v ? *v : std::u16string(fallback);
}

namespace {

class Decoder {
 public:
  explicit Decoder(unsigned codePage) : codePage_(codePage) {}

  std::u16string operator()(const char* text) const {
    if (!text) return {};
    const std::string_view bytes(text);
    // Every supported code page keeps ASCII as it is.
    bool ascii = true;
    for (char c : bytes) {
      if (static_cast<unsigned char>(c) >= 0x80) {
        ascii = false;
        break;
      }
    }
    if (ascii) return std::u16string(bytes.begin(), bytes.end());
    return DecodeCodePage(codePage_, bytes).value_or(std::u16string());
  }

 private:
  unsigned codePage_;
};

void Convert(const TiXmlElement& from, YdSkinElement& to, const Decoder& decode) {
  to.name = decode(from.Value());
  for (const TiXmlAttribute* a = from.FirstAttribute(); a; a = a->Next()) {
    to.attributes.push_back({decode(a->Name()), decode(a->Value())});
  }
  bool haveText = false;
  for (const TiXmlNode* n = from.FirstChild(); n; n = n->NextSibling()) {
    if (const TiXmlElement* e = n->ToElement()) {
      to.children.emplace_back();
      Convert(*e, to.children.back(), decode);
    } else if (const TiXmlText* t = n->ToText(); t && !haveText) {
      to.text = decode(t->Value());
      haveText = true;
    }
  }
}

std::string DeclaredEncoding(const TiXmlDocument& doc) {
  for (const TiXmlNode* n = doc.FirstChild(); n; n = n->NextSibling()) {
    if (const TiXmlDeclaration* d = n->ToDeclaration()) return d->Encoding();
    if (n->ToElement()) break;
  }
  return {};
}

}  // namespace

size_t SkinNestingBound(std::string_view text) {
  const size_t n = text.size();
  auto at = [&](size_t i, std::string_view s) { return text.compare(i, s.size(), s) == 0; };
  // Index one past `end` found from `from`, or n when it never comes.
  auto past = [&](size_t from, std::string_view end) {
    const size_t found = text.find(end, from);
    return found == std::string_view::npos ? n : found + end.size();
  };
  size_t depth = 0;
  size_t deepest = 0;
  size_t i = 0;
  while ((i = text.find('<', i)) != std::string_view::npos) {
    if (at(i, "<!--")) {
      i = past(i + 4, "-->");
    } else if (at(i, "<![CDATA[")) {
      i = past(i + 9, "]]>");
    } else if (at(i, "</")) {
      if (depth > 0) --depth;
      i = past(i + 2, ">");
    } else if (at(i, "<!") || at(i, "<?")) {
      i = past(i + 2, ">");
    } else {
      // A start tag: its end is the first '>' outside a quoted value (a
      // quote opens a value only after '=', as TinyXML reads attributes).
      size_t j = i + 1;
      char quote = 0;
      bool afterEquals = false;
      for (; j < n; ++j) {
        const char c = text[j];
        if (quote != 0) {
          if (c == quote) quote = 0;
        } else if (c == '>') {
          break;
        } else if (c == '=') {
          afterEquals = true;
        } else if ((c == '"' || c == '\'') && afterEquals) {
          quote = c;
          afterEquals = false;
        } else if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
          afterEquals = false;
        }
      }
      // An unterminated tag still counts: TinyXML may have gone in.
      if (j >= n || text[j - 1] != '/') deepest = std::max(deepest, ++depth);
      i = j;
    }
  }
  return deepest;
}

YdSkinLoadStatus YdSkinDocument::LoadBytes(std::string_view bytes, unsigned ansiCodePage) {
  return Load(bytes, ansiCodePage, false);
}

YdSkinLoadStatus YdSkinDocument::LoadText(std::u16string_view text) {
  return Load(Utf16ToUtf8(std::u16string(text)), kCodePageUtf8, true);
}

YdSkinLoadStatus YdSkinDocument::LoadFile(const std::u16string& path, unsigned ansiCodePage) {
  Clear();
  std::string bytes;
  if (!ReadSkinFile(path, &bytes)) return YdSkinLoadStatus::kUnreadable;
  return Load(bytes, ansiCodePage, false);
}

void YdSkinDocument::Clear() {
  root_.reset();
  codePage_ = 0;
  error_.clear();
}

YdSkinLoadStatus YdSkinDocument::Load(std::string_view bytes, unsigned ansiCodePage, bool forceUtf8) {
  Clear();
  // TinyXML reads up to a terminating NUL; the bytes are copied so that a
  // resource or buffer without one is never read past its end.
  const std::string text(bytes);
  if (SkinNestingBound(text) > kMaxSkinDepth) {
    error_ = "elements nested deeper than " + std::to_string(kMaxSkinDepth) + " levels";
    return YdSkinLoadStatus::kParseError;
  }
  TiXmlDocument doc;
  doc.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  if (doc.Error()) {
    error_ = doc.ErrorDesc();
    // TinyXML reports an empty document as an error of its own.
    return doc.ErrorId() == TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY ? YdSkinLoadStatus::kNoRoot
                                                                  : YdSkinLoadStatus::kParseError;
  }
  const TiXmlElement* root = doc.RootElement();
  if (!root) return YdSkinLoadStatus::kNoRoot;
  const unsigned codePage = forceUtf8 ? kCodePageUtf8 : SkinCodePage(DeclaredEncoding(doc), ansiCodePage);
  if (!IsCodePageSupported(codePage)) return YdSkinLoadStatus::kUnsupportedEncoding;
  auto tree = std::make_unique<YdSkinElement>();
  Convert(*root, *tree, Decoder(codePage));
  root_ = std::move(tree);
  codePage_ = codePage;
  return YdSkinLoadStatus::kOk;
}

bool ReadSkinFile(const std::u16string& path, std::string* bytes) {
  using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
#ifdef _WIN32
  File f(_wfopen(WideCStr(path), L"rb"), &std::fclose);
#else
  File f(std::fopen(Utf16ToUtf8(path).c_str(), "rb"), &std::fclose);
#endif
  if (!f) return false;
  std::string out;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) out.append(buffer, n);
  const bool ok = !std::ferror(f.get());
  if (ok) *bytes = std::move(out);
  return ok;
}

}  // namespace ZEPHYRA_NAMESPACE
