// skin_window.cpp -- window selection, records, window attributes, style
// names and the search by id.
#include "ui/skin/skin_window.h"

#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

const YdSkinElement* SelectWindow(const YdSkinElement* root, const std::u16string* windowName) {
  if (!root) return nullptr;
  if (!windowName || root->name != u"Root") return root;
  for (const YdSkinElement& child : root->children) {
    if (child.name != u"Window") continue;
    const std::u16string* name = child.Attribute(u"name");
    if (name && *name == *windowName) return &child;
  }
  return nullptr;
}

const YdSkinElement* SelectWindowPart(const YdSkinElement* root, const std::u16string* windowName, int id) {
  const YdSkinElement* window = SelectWindow(root, windowName);
  return window ? FindElementById(*window, id) : nullptr;
}

bool ReadsWindowRecords(const YdSkinElement& selected, bool windowPart) {
  return windowPart || selected.name == u"Window";
}

std::optional<int> ElementId(const YdSkinElement& element) {
  const std::u16string* id = element.Attribute(u"id");
  if (!id) return std::nullopt;
  return ParseInt(*id);
}

const YdSkinElement* FindElementById(const YdSkinElement& node, int id) {
  for (const YdSkinElement& child : node.children) {
    if (ElementId(child) == id) return &child;
    if (const YdSkinElement* found = FindElementById(child, id)) return found;
  }
  return nullptr;
}

std::optional<YdSkinFont> ReadFontElement(const YdSkinElement& font) {
  YdSkinFont f;
  for (const YdSkinAttribute& a : font.attributes) {
    if (a.name == u"font") f.key = a.value;
    else if (a.name == u"name") f.face = a.value;
    else if (a.name == u"size") f.size = ParseInt(a.value);
    else if (a.name == u"bold") f.bold = ParseBool(a.value);
    else if (a.name == u"underline") f.underline = ParseBool(a.value);
    else if (a.name == u"italic") f.italic = ParseBool(a.value);
    else if (a.name == u"default") f.isDefault = ParseBool(a.value);
    else if (a.name == u"defaultbold") f.isDefaultBold = ParseBool(a.value);
    else if (a.name == u"defaultlink") f.isDefaultLink = ParseBool(a.value);
  }
  if (f.face.empty()) return std::nullopt;
  return f;
}

std::optional<YdSkinDefault> ReadDefaultElement(const YdSkinElement& element) {
  YdSkinDefault d{element.AttributeOr(u"name"), element.AttributeOr(u"value")};
  if (d.name.empty()) return std::nullopt;
  return d;
}

namespace {
YdSize PairAsSize(std::u16string_view value) {
  const YdPoint p = ParsePair(value);
  return {p.x, p.y};
}
}  // namespace

bool ApplyWindowAttribute(YdWindowAttributes& w, std::u16string_view key, std::u16string_view value) {
  if (key == u"name") return true;
  if (key == u"size") {
    w.size = PairAsSize(value);
  } else if (key == u"caption") {
    w.caption = ParseRect(value);
  } else if (key == u"roundcorner") {
    w.roundCorner = ParsePair(value);
  } else if (key == u"roundcornerimage") {
    w.roundCornerImage = std::u16string(value);
  } else if (key == u"sizebox") {
    std::array<int, 5> box{};
    ParseNumbers(value, box.data(), box.size());
    w.sizeBox = box;
  } else if (key == u"mininfo") {
    w.minInfo = PairAsSize(value);
  } else if (key == u"maxinfo") {
    w.maxInfo = PairAsSize(value);
  } else if (key == u"layeredwindow") {
    w.layered = ParseBool(value);
  } else if (key == u"layeredwindowalpha") {
    w.layeredAlpha = ParseInt(value);
  } else if (key == u"extendwnd") {
    w.extendWnd = ParseBool(value);
  } else if (key == u"mainarea") {
    w.mainArea = ParseRect(value);
  } else if (key == u"closearea") {
    w.closeArea = ParseRect(value);
  } else {
    return false;
  }
  return true;
}

YdSkinWindowRecords ReadWindowRecords(const YdSkinElement& window) {
  YdSkinWindowRecords records;
  for (const YdSkinElement& child : window.children) {
    if (child.name == u"Font") {
      if (std::optional<YdSkinFont> f = ReadFontElement(child)) records.fonts.push_back(*f);
    } else if (child.name == u"Default") {
      if (std::optional<YdSkinDefault> d = ReadDefaultElement(child)) records.defaults.push_back(*d);
    }
  }
  for (const YdSkinAttribute& a : window.attributes) ApplyWindowAttribute(records.attributes, a.name, a.value);
  return records;
}

std::vector<std::u16string> ParseStyleNames(std::u16string_view style) {
  std::vector<std::u16string> names;
  size_t i = 0;
  while (i < style.size()) {
    if (style[i] == u' ') {
      ++i;
      continue;
    }
    if (style[i] == u'"') {
      const size_t close = style.find(u'"', i + 1);
      const size_t end = close == std::u16string_view::npos ? style.size() : close;
      if (end > i + 1) names.emplace_back(style.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    const size_t blank = style.find(u' ', i);
    const size_t end = blank == std::u16string_view::npos ? style.size() : blank;
    names.emplace_back(style.substr(i, end - i));
    i = end;
  }
  return names;
}

std::vector<std::u16string> NamedListsFor(const YdSkinElement& element) {
  std::vector<std::u16string> lists{element.name};
  if (const std::u16string* style = element.Attribute(u"style")) {
    for (std::u16string& name : ParseStyleNames(*style)) lists.push_back(std::move(name));
  }
  return lists;
}

YdWindowControlData WindowControlDataFor(const YdSkinElement& element, const YdSkinOrigin& source,
                                         const std::u16string* windowName) {
  YdWindowControlData data;
  data.source = source;
  if (windowName) data.windowName = *windowName;
  data.id = ElementId(element).value_or(0);
  return data;
}

}  // namespace ZEPHYRA_NAMESPACE
