// The setup's skin (XML 102): encoding, the two windows with their sizes and
// fonts, every control the wizard and the dialog look up by id with the
// attributes they rely on, and a check of every element, key, value and image
// descriptor against what the builder and the controls understand (the
// control keys from the attribute tables of the classes the setup registers).
#include <gtest/gtest.h>

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/wizard/setup_skin.h"
#include "tests/resources/resource_test_util.h"
#include "ui/control/control.h"
#include "ui/control/control_factory.h"
#include "ui/controls/containers/container_controls.h"
#include "ui/skin/element_table.h"

namespace {

using namespace resource_test;
using namespace ZEPHYRA_NAMESPACE;

enum class ValueForm { kText, kInt, kBool, kColour, kRect, kPair, kWords, kDescriptor };

// The window attributes the builder reads (skin_window.h).
const std::map<std::string, ValueForm>& WindowKeys() {
  static const std::map<std::string, ValueForm> keys = {
      {"name", ValueForm::kText},          {"size", ValueForm::kPair},
      {"caption", ValueForm::kRect},       {"roundcorner", ValueForm::kPair},
      {"roundcornerimage", ValueForm::kDescriptor},
      {"sizebox", ValueForm::kText},       {"mininfo", ValueForm::kPair},
      {"maxinfo", ValueForm::kPair},       {"layeredwindow", ValueForm::kBool},
      {"layeredwindowalpha", ValueForm::kInt}, {"extendwnd", ValueForm::kBool},
      {"mainarea", ValueForm::kRect},      {"closearea", ValueForm::kRect}};
  return keys;
}

// The keys of a <Font> record (ReadFontElement).
const std::map<std::string, ValueForm>& FontKeys() {
  static const std::map<std::string, ValueForm> keys = {
      {"font", ValueForm::kText},     {"name", ValueForm::kText},      {"size", ValueForm::kInt},
      {"bold", ValueForm::kBool},     {"underline", ValueForm::kBool}, {"italic", ValueForm::kBool},
      {"default", ValueForm::kBool},  {"defaultbold", ValueForm::kBool}, {"defaultlink", ValueForm::kBool}};
  return keys;
}

// Keys of image descriptors (image_descriptor.h).
const std::set<std::string>& DescriptorKeys() {
  static const std::set<std::string> keys = {
      "file", "res", "restype", "round", "iconsize", "dest", "source", "corner", "right", "mask", "fade",
      "hole", "alphaClose", "encrypt", "icon", "reverse", "rotate", "rgnimage", "rgnrestype", "rgnmask", "gray"};
  return keys;
}

ValueForm FormOf(YdValueSyntax syntax) {
  switch (syntax) {
    case YdValueSyntax::kInt:
    case YdValueSyntax::kLength: return ValueForm::kInt;
    case YdValueSyntax::kBool: return ValueForm::kBool;
    case YdValueSyntax::kColour:
    case YdValueSyntax::kColourTrimmed: return ValueForm::kColour;
    case YdValueSyntax::kRect:
    case YdValueSyntax::kLengthRect: return ValueForm::kRect;
    case YdValueSyntax::kPair:
    case YdValueSyntax::kLengthPair: return ValueForm::kPair;
    case YdValueSyntax::kDescriptor: return ValueForm::kDescriptor;
    case YdValueSyntax::kAlignWords:
    case YdValueSyntax::kFlagWords:
    case YdValueSyntax::kNotifyWords:
    case YdValueSyntax::kDispatchWords:
    case YdValueSyntax::kFormatWords: return ValueForm::kWords;
    case YdValueSyntax::kString:
    case YdValueSyntax::kAttributeList:
    case YdValueSyntax::kChar: break;
  }
  return ValueForm::kText;
}

// The keys of an element: the builder's "style" and the attribute tables of
// the class the setup registers for it, walked from the class's own table
// to the control base's (the first entry of a key wins, as in
// ApplyAttribute). Empty for an element the setup registers no class for.
std::map<std::string, ValueForm> KeysOf(const std::string& element) {
  static const bool registered = [] {
    RegisterContainerControls();
    return InstallSetupSkin();
  }();
  EXPECT_TRUE(registered);
  const std::unique_ptr<YdControl> control(CreateRegisteredControl(std::wstring(element.begin(), element.end())));
  if (control == nullptr) return {};
  std::map<std::string, ValueForm> keys = {{"style", ValueForm::kText}};
  for (const YdAttributeTable* table = &control->Attributes(); table != nullptr; table = table->base) {
    for (size_t i = 0; i < table->count; ++i) keys.emplace(table->entries[i].key, FormOf(table->entries[i].syntax));
  }
  return keys;
}

bool IsElementName(const std::string& name) {
  return ElementClassOf(std::u16string(name.begin(), name.end())).has_value();
}

std::string SkinText() {
  const Bytes xml = Find(L"XML", 102);
  return std::string(reinterpret_cast<const char*>(xml.data), xml.size);
}

bool IsValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = s[i];
    int extra = 0;
    uint32_t cp = 0;
    if (c < 0x80) { ++i; continue; }
    if (c >= 0xC2 && c <= 0xDF) { extra = 1; cp = c & 0x1F; }
    else if (c >= 0xE0 && c <= 0xEF) { extra = 2; cp = c & 0x0F; }
    else if (c >= 0xF0 && c <= 0xF4) { extra = 3; cp = c & 0x07; }
    else return false;
    if (i + extra >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char cc = s[i + k];
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += extra + 1;
  }
  return true;
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(s);
  while (std::getline(in, part, sep)) parts.push_back(part);
  if (!s.empty() && s.back() == sep) parts.push_back("");
  return parts;
}

bool IsInt(const std::string& s) {
  size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

bool IsIntList(const std::string& s, size_t count) {
  const auto parts = Split(s, ',');
  if (parts.size() != count) return false;
  for (const auto& p : parts)
    if (!IsInt(p)) return false;
  return true;
}

std::vector<int> Ints(const std::string& s) {
  std::vector<int> v;
  for (const auto& p : Split(s, ',')) v.push_back(std::atoi(p.c_str()));
  return v;
}

// Strict reading of an image descriptor: key='value' pairs separated by
// exactly one blank. Returns false on any deviation (which the painter
// would silently stop at).
bool ParseDescriptor(const std::string& d, std::map<std::string, std::string>* pairs) {
  size_t i = 0;
  while (i < d.size()) {
    const size_t eq = d.find('=', i);
    if (eq == std::string::npos || eq + 1 >= d.size() || d[eq + 1] != '\'') return false;
    const size_t close = d.find('\'', eq + 2);
    if (close == std::string::npos) return false;
    const std::string key = d.substr(i, eq - i);
    if (key.empty() || key.find(' ') != std::string::npos || pairs->count(key)) return false;
    (*pairs)[key] = d.substr(eq + 2, close - eq - 2);
    i = close + 1;
    if (i == d.size()) return true;
    if (d[i] != ' ' || i + 1 >= d.size() || d[i + 1] == ' ') return false;
    ++i;
  }
  return false;
}

// One control element of a window, with its ancestors' ids.
struct ControlNode {
  const TiXmlElement* element = nullptr;
  const TiXmlElement* parent = nullptr;
  std::vector<int> ancestor_ids;
};

struct Window {
  const TiXmlElement* element = nullptr;
  std::vector<ControlNode> controls;  // document order
  std::map<int, const ControlNode*> by_id;
  std::map<std::string, const TiXmlElement*> fonts;
};

bool IsNonControl(const std::string& name) { return name == "Font" || name == "Default" || name == "Image"; }

void Collect(const TiXmlElement* parent, std::vector<int> ancestors, Window& w) {
  for (const TiXmlElement* e = parent->FirstChildElement(); e; e = e->NextSiblingElement()) {
    if (IsNonControl(e->Value())) continue;
    w.controls.push_back({e, parent == w.element ? nullptr : parent, ancestors});
    int id = 0;
    std::vector<int> inner = ancestors;
    if (e->QueryIntAttribute("id", &id) == TIXML_SUCCESS) inner.push_back(id);
    Collect(e, inner, w);
  }
}

class Skin : public testing::Test {
 protected:
  void SetUp() override {
    text_ = SkinText();
    ASSERT_FALSE(text_.empty()) << "no XML resource 102";
    doc_.Parse(text_.c_str(), nullptr, TIXML_ENCODING_UTF8);
    ASSERT_FALSE(doc_.Error()) << doc_.ErrorDesc() << " at row " << doc_.ErrorRow();
    const TiXmlElement* root = doc_.RootElement();
    ASSERT_NE(root, nullptr);
    ASSERT_STREQ(root->Value(), "Root");
    for (const TiXmlElement* e = root->FirstChildElement("Window"); e; e = e->NextSiblingElement("Window")) {
      const char* name = e->Attribute("name");
      if (name == nullptr || windows_.count(name)) continue;  // the builder takes the first of a name
      Window& w = windows_[name];
      w.element = e;
      for (const TiXmlElement* f = e->FirstChildElement("Font"); f; f = f->NextSiblingElement("Font"))
        w.fonts[f->Attribute("font") ? f->Attribute("font") : ""] = f;
      Collect(e, {}, w);
      for (const ControlNode& c : w.controls) {
        int id = 0;
        if (c.element->QueryIntAttribute("id", &id) == TIXML_SUCCESS) {
          EXPECT_EQ(w.by_id.count(id), 0u) << name << ": id " << id << " used twice";
          w.by_id[id] = &c;
        }
      }
    }
    ASSERT_EQ(windows_.count("ydWifiSetupWnd"), 1u);
    ASSERT_EQ(windows_.count("ydMessageDlg"), 1u);
  }

  std::string text_;
  TiXmlDocument doc_;
  std::map<std::string, Window> windows_;
};

TEST(SkinEncoding, DeclaresUtf8AndIsUtf8) {
  const std::string text = SkinText();
  ASSERT_FALSE(text.empty());
  const std::string declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
  EXPECT_EQ(text.compare(0, declaration.size(), declaration), 0) << "the text starts with the declaration, no BOM";
  EXPECT_TRUE(IsValidUtf8(text));
  // The Chinese texts are stored as UTF-8, not as another code page.
  EXPECT_NE(text.find(u8"安装向导"), std::string::npos);
}

TEST(SkinEncoding, Utf8CheckRefusesBrokenText) {
  EXPECT_TRUE(IsValidUtf8(u8"宋体 ok"));
  EXPECT_FALSE(IsValidUtf8("\xCB\xCE\xCC\xE5"));  // "宋体" in GB2312
  EXPECT_FALSE(IsValidUtf8("abc\xE5\xAE"));        // cut inside a character
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));            // overlong
}

TEST(SkinDescriptor, StrictReading) {
  std::map<std::string, std::string> p;
  EXPECT_TRUE(ParseDescriptor("res='102' restype='PNG' source='0,0,140,38'", &p));
  EXPECT_EQ(p["source"], "0,0,140,38");
  p.clear();
  EXPECT_FALSE(ParseDescriptor("res='102'  restype='PNG'", &p));
  p.clear();
  EXPECT_FALSE(ParseDescriptor("res='102' restype='PNG", &p));
  p.clear();
  EXPECT_FALSE(ParseDescriptor("res=\"102\"", &p));
}

TEST_F(Skin, WindowSizes) {
  struct Expect { const char* window; const char* key; const char* value; };
  for (const Expect e : {Expect{"ydWifiSetupWnd", "size", "500,280"}, Expect{"ydWifiSetupWnd", "mininfo", "500,280"},
                         Expect{"ydWifiSetupWnd", "maxinfo", "500,350"}, Expect{"ydMessageDlg", "size", "300,140"},
                         Expect{"ydMessageDlg", "mininfo", "300,140"}, Expect{"ydMessageDlg", "maxinfo", "300,140"}}) {
    const char* value = windows_[e.window].element->Attribute(e.key);
    ASSERT_NE(value, nullptr) << e.window << " " << e.key;
    EXPECT_STREQ(value, e.value) << e.window << " " << e.key;
  }
}

TEST_F(Skin, Fonts) {
  struct Expect {
    const char* window;
    const char* font;
    int size;
    bool italic, underline, is_default;
  };
  const Expect fonts[] = {
      {"ydWifiSetupWnd", "", 12, false, false, true},
      {"ydWifiSetupWnd", "setup", 20, true, false, false},
      {"ydWifiSetupWnd", "process", 30, false, false, false},
      {"ydWifiSetupWnd", "hotlicense", 12, false, true, false},
      {"ydMessageDlg", "songti13", 14, false, false, false},
  };
  auto flag = [](const TiXmlElement* f, const char* key) {
    const char* v = f->Attribute(key);
    return v != nullptr && std::strcmp(v, "true") == 0;
  };
  for (const Expect& e : fonts) {
    SCOPED_TRACE(testing::Message() << e.window << " font '" << e.font << "'");
    const auto& table = windows_[e.window].fonts;
    ASSERT_EQ(table.count(e.font), 1u);
    const TiXmlElement* f = table.at(e.font);
    ASSERT_NE(f->Attribute("name"), nullptr);
    EXPECT_STREQ(f->Attribute("name"), u8"宋体");
    int size = 0;
    EXPECT_EQ(f->QueryIntAttribute("size", &size), TIXML_SUCCESS);
    EXPECT_EQ(size, e.size);
    EXPECT_EQ(flag(f, "italic"), e.italic);
    EXPECT_EQ(flag(f, "underline"), e.underline);
    EXPECT_EQ(flag(f, "default"), e.is_default);
    EXPECT_FALSE(flag(f, "bold"));
  }
}

// What the wizard and the dialog need of each control they look up by id.
// Keys of the form "<key>@res" and "<key>@source" name a part of the image
// descriptor in attribute <key>; "notify" lists words that must be present.
struct ControlSpec {
  const char* window;
  int id;
  const char* element;
  int ancestor;  // an enclosing control's id, 0 for none required, -1 for "outside every page"
  std::vector<std::pair<const char*, const char*>> attributes;
};

const std::vector<ControlSpec>& ControlSpecs() {
  static const std::vector<ControlSpec> table = {
      {"ydWifiSetupWnd", 100, "VerticalLayout", 0, {}},
      {"ydWifiSetupWnd", 101, "Button", -1,
       {{"float", "true"}, {"pos", "475,0,25,25"}, {"width", "25"}, {"height", "25"}, {"notify", "click"}}},
      {"ydWifiSetupWnd", 102, "Button", 106,
       {{"width", "140"}, {"height", "38"}, {"notify", "click"}, {"normalimage@res", "102"},
        {"normalimage@source", "0,0,140,38"}, {"hotimage@source", "0,38,140,76"}, {"disabledimage@res", "102"}}},
      {"ydWifiSetupWnd", 103, "Option", 106, {{"selected", "true"}}},
      {"ydWifiSetupWnd", 104, "Button", 106,
       {{"text", u8"已阅读并同意用户协议"}, {"notify", "click"}, {"hotfont", "hotlicense"}}},
      {"ydWifiSetupWnd", 105, "Button", -1,
       {{"float", "true"}, {"pos", "480,260,13,13"}, {"width", "13"}, {"height", "13"}, {"notify", "click"}}},
      {"ydWifiSetupWnd", 106, "VerticalLayout", 100, {{"height", "280"}, {"bknormalimage@res", "100"}}},
      {"ydWifiSetupWnd", 107, "VerticalLayout", 100, {{"visible", "false"}}},
      {"ydWifiSetupWnd", 108, "RichEdit", 107,
       {{"multiline", "false"}, {"limittext", "512"}, {"wantreturn", "false"}, {"rich", "false"},
        {"inset", "5,5,2,2"}, {"normalimage@res", "108"}, {"hotimage@res", "108"}}},
      {"ydWifiSetupWnd", 109, "Button", 107, {{"width", "40"}, {"height", "24"}, {"notify", "click"}}},
      {"ydWifiSetupWnd", 110, "Option", 107, {{"selected", "true"}, {"text", u8"添加快捷方式到桌面"}}},
      {"ydWifiSetupWnd", 111, "Option", 107, {{"selected", "true"}, {"text", u8"开机启动"}}},
      {"ydWifiSetupWnd", 114, "VerticalLayout", 0, {{"visible", "false"}}},
      {"ydWifiSetupWnd", 116, "Control", 114, {{"normalfont", "setup"}, {"text", u8"正在安装 Zephyra..."}}},
      {"ydWifiSetupWnd", 121, "Control", -1,
       {{"visible", "false"}, {"float", "true"}, {"width", "500"}, {"height", "350"}, {"bknormalimage@res", "123"}}},
      {"ydWifiSetupWnd", 122, "Label", 107, {{"text", u8"安装位置："}}},
      {"ydWifiSetupWnd", 123, "Control", 114, {{"width", "140"}, {"height", "140"}, {"bknormalimage@res", "209"}}},
      {"ydWifiSetupWnd", 124, "Control", 0,
       {{"visible", "false"}, {"float", "true"}, {"normalfont", "process"}, {"text", "0"}}},
      {"ydMessageDlg", 201, "Control", 0, {{"text", u8"安装向导"}}},
      {"ydMessageDlg", 202, "Control", 0,
       {{"width", "11"}, {"height", "11"}, {"notify", "click"}, {"normalimage@res", "206"}}},
      {"ydMessageDlg", 203, "Control", 0, {{"width", "44"}, {"height", "44"}, {"normalimage@res", "205"}}},
      {"ydMessageDlg", 204, "Control", 0, {{"normalfont", "songti13"}, {"text", u8"你确定停止安装Zephyra?"}}},
      {"ydMessageDlg", 205, "Control", 0, {{"width", "70"}, {"height", "26"}, {"notify", "click"}, {"text", u8"确定"}}},
      {"ydMessageDlg", 206, "Control", 0, {{"width", "70"}, {"height", "26"}, {"notify", "click"}, {"text", u8"取消"}}},
  };
  return table;
}

std::string DescriptorPart(const char* descriptor, const std::string& part) {
  std::map<std::string, std::string> pairs;
  if (descriptor == nullptr || !ParseDescriptor(descriptor, &pairs)) return "<unreadable>";
  return pairs.count(part) ? pairs[part] : "<missing>";
}

TEST_F(Skin, EveryControlTheProgramLooksUp) {
  for (const ControlSpec& expected : ControlSpecs()) {
    SCOPED_TRACE(testing::Message() << expected.window << " control " << expected.id);
    const Window& w = windows_[expected.window];
    ASSERT_EQ(w.by_id.count(expected.id), 1u) << "missing";
    const ControlNode& node = *w.by_id.at(expected.id);
    EXPECT_STREQ(node.element->Value(), expected.element);
    const auto& anc = node.ancestor_ids;
    if (expected.ancestor > 0) {
      EXPECT_NE(std::find(anc.begin(), anc.end(), expected.ancestor), anc.end()) << "not inside " << expected.ancestor;
    }
    if (expected.ancestor < 0) {
      for (int page : {100, 114}) {
        EXPECT_EQ(std::find(anc.begin(), anc.end(), page), anc.end()) << "inside a page";
      }
    }
    for (const auto& [key, want] : expected.attributes) {
      const std::string k = key;
      const size_t at = k.find('@');
      if (at != std::string::npos) {
        EXPECT_EQ(DescriptorPart(node.element->Attribute(k.substr(0, at).c_str()), k.substr(at + 1)), want) << k;
        continue;
      }
      const char* value = node.element->Attribute(key);
      ASSERT_NE(value, nullptr) << "no attribute " << key;
      if (k == "notify") {
        const auto words = Split(value, ' ');
        EXPECT_NE(std::find(words.begin(), words.end(), std::string(want)), words.end()) << "notify " << value;
      } else {
        EXPECT_STREQ(value, want) << key;
      }
    }
  }
  // The wizard handles these ids, but this skin gives no control them.
  for (int id : {112, 113, 120}) EXPECT_EQ(windows_["ydWifiSetupWnd"].by_id.count(id), 0u) << id;
}

TEST_F(Skin, PagesAreDirectChildrenWhereTheWizardTogglesThem) {
  const Window& w = windows_["ydWifiSetupWnd"];
  // 106 and 107 are shown and hidden inside the welcome page; 100 and 114
  // replace each other under one parent.
  for (int id : {106, 107}) {
    ASSERT_EQ(w.by_id.count(id), 1u);
    ASSERT_NE(w.by_id.at(id)->parent, nullptr);
    EXPECT_EQ(w.by_id.at(id)->parent, w.by_id.at(100)->element) << id;
  }
  ASSERT_EQ(w.by_id.count(114), 1u);
  EXPECT_EQ(w.by_id.at(100)->parent, w.by_id.at(114)->parent);
  // The dialog's single-button mode pads 205 and hides 206: both must share
  // a horizontal row, 205 first.
  const Window& d = windows_["ydMessageDlg"];
  ASSERT_EQ(d.by_id.count(205), 1u);
  ASSERT_EQ(d.by_id.count(206), 1u);
  const TiXmlElement* row = d.by_id.at(205)->parent;
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row, d.by_id.at(206)->parent);
  EXPECT_STREQ(row->Value(), "HorizontalLayout");
  EXPECT_EQ(row->FirstChildElement(), d.by_id.at(205)->element);
}

bool WordsAllowed(const std::string& key, const std::string& value) {
  static const std::map<std::string, std::vector<std::string>> allowed = {
      {"align", {"left", "vcen", "center", "right", "top", "bottom", "singleline", "wordbreak", "autocenter",
                 "autolength"}},
      {"flags", {"setcursor", "enterrolltext", "tabstop"}},
      {"notify", {"click", "mouseenter", "mousehover", "mouseleave", "setfocus", "killfocus", "lbuttondown",
                  "lbuttonup", "rbuttondown", "contextmenu", "lbuttondbclick", "tooltip", "poschange"}},
      {"format", {"vcen", "center", "right", "top", "bottom", "topmost", "left"}},
  };
  const auto it = allowed.find(key);
  if (it == allowed.end()) return true;
  for (const std::string& word : Split(value, ' '))
    if (std::find(it->second.begin(), it->second.end(), word) == it->second.end()) return false;
  return true;
}

// Checks one value against its form; for descriptors also the image it
// names; width and height are the control's fixed size (0 when not set).
void CheckValue(const std::string& key, ValueForm form, const std::string& value, int width, int height) {
  SCOPED_TRACE(testing::Message() << key << "=\"" << value << "\"");
  switch (form) {
    case ValueForm::kText: break;
    case ValueForm::kInt: EXPECT_TRUE(IsInt(value)); break;
    case ValueForm::kBool: EXPECT_TRUE(value == "true" || value == "false"); break;
    case ValueForm::kRect: EXPECT_TRUE(IsIntList(value, 4)); break;
    case ValueForm::kPair: EXPECT_TRUE(IsIntList(value, 2)); break;
    case ValueForm::kWords: EXPECT_TRUE(WordsAllowed(key, value)); break;
    case ValueForm::kColour:
      // "#AARRGGBB" with an alpha that draws: a colour without alpha is unset.
      ASSERT_EQ(value.size(), 9u);
      EXPECT_EQ(value[0], '#');
      EXPECT_EQ(value.find_first_not_of("0123456789ABCDEFabcdef", 1), std::string::npos);
      EXPECT_NE(value.substr(1, 2), "00");
      break;
    case ValueForm::kDescriptor: {
      std::map<std::string, std::string> d;
      ASSERT_TRUE(ParseDescriptor(value, &d));
      for (const auto& pair : d) EXPECT_EQ(DescriptorKeys().count(pair.first), 1u) << pair.first;
      ASSERT_EQ(d.count("res"), 1u);
      EXPECT_EQ(d["restype"], "PNG");
      PngHeader png;
      const SkinPng picture = FindSkinPng(std::atoi(d["res"].c_str()));
      ASSERT_TRUE(ReadPngHeader(picture.bytes, &png)) << "no PNG " << d["res"];
      png.width /= picture.factor;
      png.height /= picture.factor;
      if (d.count("source")) {
        ASSERT_TRUE(IsIntList(d["source"], 4));
        const auto s = Ints(d["source"]);
        EXPECT_TRUE(s[0] >= 0 && s[1] >= 0 && s[0] < s[2] && s[1] < s[3]);
        EXPECT_LE(s[2], int(png.width));
        EXPECT_LE(s[3], int(png.height));
        const bool nine_part = d.count("corner") > 0;
        if (d.count("dest")) {
          ASSERT_TRUE(IsIntList(d["dest"], 4));
          const auto t = Ints(d["dest"]);
          if (!nine_part) {
            EXPECT_EQ(t[2] - t[0], s[2] - s[0]) << "drawn scaled";
            EXPECT_EQ(t[3] - t[1], s[3] - s[1]) << "drawn scaled";
          }
        } else if (!nine_part && width > 0 && height > 0) {
          EXPECT_EQ(s[2] - s[0], width) << "slice and control differ";
          EXPECT_EQ(s[3] - s[1], height) << "slice and control differ";
        }
      }
      if (d.count("fade")) {
        EXPECT_TRUE(IsInt(d["fade"]));
      }
      break;
    }
  }
}

TEST_F(Skin, EveryElementKeyAndValueIsUnderstood) {
  for (const auto& [name, w] : windows_) {
    SCOPED_TRACE(name);
    for (const TiXmlAttribute* a = w.element->FirstAttribute(); a; a = a->Next()) {
      ASSERT_EQ(WindowKeys().count(a->Name()), 1u) << "window key " << a->Name();
      CheckValue(a->Name(), WindowKeys().at(a->Name()), a->Value(), 0, 0);
    }
    for (const auto& [font, f] : w.fonts)
      for (const TiXmlAttribute* a = f->FirstAttribute(); a; a = a->Next()) {
        ASSERT_EQ(FontKeys().count(a->Name()), 1u) << "font key " << a->Name();
        CheckValue(a->Name(), FontKeys().at(a->Name()), a->Value(), 0, 0);
      }
    for (const ControlNode& c : w.controls) {
      const std::string element = c.element->Value();
      SCOPED_TRACE(testing::Message() << element << " at row " << c.element->Row());
      ASSERT_TRUE(IsElementName(element)) << "unknown element";
      const auto keys = KeysOf(element);
      ASSERT_FALSE(keys.empty()) << "element the setup registers no class for";
      int width = 0, height = 0;
      c.element->QueryIntAttribute("width", &width);
      c.element->QueryIntAttribute("height", &height);
      for (const TiXmlAttribute* a = c.element->FirstAttribute(); a; a = a->Next()) {
        const auto it = keys.find(a->Name());
        ASSERT_NE(it, keys.end()) << "key " << a->Name() << " is ignored by " << element;
        CheckValue(a->Name(), it->second, a->Value(), width, height);
        const std::string key = a->Name();
        if (key.size() > 4 && key.compare(key.size() - 4, 4, "font") == 0) {
          EXPECT_EQ(w.fonts.count(a->Value()), 1u) << "font " << a->Value() << " is not in the window";
        }
      }
    }
  }
}

}  // namespace
