// skin_window.h -- what the skin builder reads from a skin before it builds
// controls: the window element chosen by name, its <Font> and <Default>
// records and its window attributes as plain values, the "style" name list
// and the order of named attribute lists for an element, the search by
// "id", and the data a window control receives to build its own part later.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"
#include "ui/skin/skin_document.h"

namespace ZEPHYRA_NAMESPACE {

// The <Window> to build. With a name and a root called "Root", the first
// child "Window" whose "name" equals it (null when none does); a root with
// another name is the window description itself, whatever the name; without
// a name, the root. Null for a null root.
const YdSkinElement* SelectWindow(const YdSkinElement* root, const std::u16string* windowName);

// BuildWindowPart's element: the one with "id" = `id` inside the selected
// window (FindElementById); null when either is missing.
const YdSkinElement* SelectWindowPart(const YdSkinElement* root, const std::u16string* windowName, int id);

// Whether the selected element's records (fonts, defaults, window
// attributes) are read before its controls are built: always for a window
// part, and for BuildWindow only when the element is a "Window" (any other
// selected element goes straight to building).
bool ReadsWindowRecords(const YdSkinElement& selected, bool windowPart);

// Depth-first search of the descendants of `node` (not `node` itself): each
// child element's "id" is read as a decimal integer; a match is returned,
// otherwise the child's own descendants are searched before the next
// sibling. An element without an "id" attribute never matches.
const YdSkinElement* FindElementById(const YdSkinElement& node, int id);

// The "id" of an element as a decimal integer; nothing without the attribute.
std::optional<int> ElementId(const YdSkinElement& element);

// <Font font= name= size= bold= underline= italic= default= defaultbold=
// defaultlink=>. Nothing when the face name ("name") is empty.
struct YdSkinFont {
  std::u16string key;    // the name in the font table ("font"; empty is valid)
  std::u16string face;   // "name"
  int size = 0;          // pixel height; the font is created with height -size
  bool bold = false;
  bool underline = false;
  bool italic = false;
  bool isDefault = false;
  bool isDefaultBold = false;
  bool isDefaultLink = false;
};
std::optional<YdSkinFont> ReadFontElement(const YdSkinElement& font);

// <Default name= value=>: a named attribute list. Nothing without a name.
struct YdSkinDefault {
  std::u16string name;
  std::u16string value;
};
std::optional<YdSkinDefault> ReadDefaultElement(const YdSkinElement& element);

// The window attributes of a <Window> element; unset ones stay empty.
struct YdWindowAttributes {
  std::optional<YdSize> size;
  std::optional<YdRect> caption;
  std::optional<YdPoint> roundCorner;              // a: top corners, b: bottom corners
  std::optional<std::u16string> roundCornerImage;  // image descriptor
  std::optional<std::array<int, 5>> sizeBox;       // l, t, r, b, corner extent
  std::optional<YdSize> minInfo;
  std::optional<YdSize> maxInfo;
  std::optional<bool> layered;
  std::optional<int> layeredAlpha;
  std::optional<bool> extendWnd;
  std::optional<YdRect> mainArea;
  std::optional<YdRect> closeArea;

  int LayeredAlpha() const { return layeredAlpha.value_or(255); }
};
// Applies one attribute (exact, case-sensitive key); false for a key that
// is not a window attribute ("name" counts as one: it selects, stores nothing).
bool ApplyWindowAttribute(YdWindowAttributes& attributes, std::u16string_view key,
                          std::u16string_view value);

// Everything the window element registers, in document order.
struct YdSkinWindowRecords {
  std::vector<YdSkinFont> fonts;
  std::vector<YdSkinDefault> defaults;
  YdWindowAttributes attributes;
};
YdSkinWindowRecords ReadWindowRecords(const YdSkinElement& window);

// "style": names separated by blanks; a name in double quotes may hold blanks.
std::vector<std::u16string> ParseStyleNames(std::u16string_view style);

// The named attribute lists applied to an element before its own
// attributes, in order: the element name's list, then each "style" name's.
std::vector<std::u16string> NamedListsFor(const YdSkinElement& element);

// Where the skin came from, kept by the builder while it builds.
enum class YdSkinOriginKind { kText = 1, kFile = 2, kResource = 3 };
struct YdSkinOrigin {
  YdSkinOriginKind kind = YdSkinOriginKind::kText;
  std::u16string source;         // XML text, file path or resource name
  std::u16string resourceType;
};

// What a window control receives to build its own content later with
// BuildWindowPart: the skin source, the window name and its element's "id".
struct YdWindowControlData {
  YdSkinOrigin source;
  std::optional<std::u16string> windowName;
  int id = 0;
};
YdWindowControlData WindowControlDataFor(const YdSkinElement& element, const YdSkinOrigin& source,
                                         const std::u16string* windowName);

}  // namespace ZEPHYRA_NAMESPACE
