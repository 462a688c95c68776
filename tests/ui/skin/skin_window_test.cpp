// What the builder reads before it builds controls: window selection, fonts,
// defaults, window attributes, style names and their order, the search by id
// and the window-control data.
#include <gtest/gtest.h>

#include "common/utf.h"
#include "ui/skin/skin_document.h"
#include "ui/skin/skin_window.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

class SkinWindow : public ::testing::Test {
 protected:
  const YdSkinElement& Load(const char* text) {
    EXPECT_EQ(doc_.LoadBytes(text, 65001), YdSkinLoadStatus::kOk);
    return *doc_.Root();
  }
  YdSkinDocument doc_;
};

TEST_F(SkinWindow, SelectionByNameUnderRoot) {
  const YdSkinElement& root = Load(
      "<Root><Window name=\"a\" size=\"1,1\"/><Other name=\"b\"/><Window name=\"b\" size=\"2,2\"/>"
      "<Window name=\"b\" size=\"3,3\"/></Root>");
  const std::u16string a = u"a", b = u"b", c = u"c";
  EXPECT_EQ(SelectWindow(&root, &a), &root.children[0]);
  // Only "Window" children count, and the first of two with one name wins.
  EXPECT_EQ(SelectWindow(&root, &b), &root.children[2]);
  EXPECT_EQ(SelectWindow(&root, &c), nullptr);
  EXPECT_EQ(SelectWindow(&root, nullptr), &root);
  EXPECT_EQ(SelectWindow(nullptr, &a), nullptr);
  // A Chinese name: the document is decoded as it declares (GBK here), the
  // caller's name from UTF-8, and they meet as UTF-16.
  const YdSkinElement& gbk = Load(
      "<?xml version=\"1.0\" encoding=\"gb2312\"?>"
      "<Root><Window name=\"x\"/><Window name=\"\xb0\xb2\xd7\xb0\"/></Root>");
  const std::u16string install = Utf8ToUtf16("\xe5\xae\x89\xe8\xa3\x85");
  EXPECT_EQ(SelectWindow(&gbk, &install), &gbk.children[1]);
}

TEST_F(SkinWindow, RootOtherThanRootIsTheWindowWhateverTheName) {
  const YdSkinElement& root = Load("<Window name=\"x\" size=\"10,20\"><Label/></Window>");
  const std::u16string other = u"somethingelse";
  EXPECT_EQ(SelectWindow(&root, &other), &root);
  // "root" in lower case is not "Root".
  const YdSkinElement& lower = Load("<root><Window name=\"w\"/></root>");
  const std::u16string w = u"w";
  EXPECT_EQ(SelectWindow(&lower, &w), &lower);
}

TEST_F(SkinWindow, FontsInDocumentOrderWithTheirFlags) {
  const YdSkinElement& window = Load(
      "<Window><Font font=\"\" name=\"Tahoma\" size=\"12\" default=\"true\"/>"
      "<Font font=\"nofaceisignored\" size=\"9\"/>"
      "<Font font=\"big\" name=\"Arial\" size=\" 20px\" bold=\"true\" underline=\"TRUE\" italic=\"true\""
      " defaultbold=\"true\" defaultlink=\"true\"/><Image name=\"i\"/></Window>");
  const YdSkinWindowRecords r = ReadWindowRecords(window);
  ASSERT_EQ(r.fonts.size(), 2u);
  EXPECT_EQ(r.fonts[0].key, u"");
  EXPECT_EQ(r.fonts[0].face, u"Tahoma");
  EXPECT_EQ(r.fonts[0].size, 12);
  EXPECT_TRUE(r.fonts[0].isDefault);
  EXPECT_FALSE(r.fonts[0].bold);
  EXPECT_EQ(r.fonts[1].key, u"big");
  EXPECT_EQ(r.fonts[1].size, 20);
  EXPECT_TRUE(r.fonts[1].bold);
  EXPECT_FALSE(r.fonts[1].underline);  // only "true" is true
  EXPECT_TRUE(r.fonts[1].italic);
  EXPECT_FALSE(r.fonts[1].isDefault);
  EXPECT_TRUE(r.fonts[1].isDefaultBold);
  EXPECT_TRUE(r.fonts[1].isDefaultLink);
}

TEST_F(SkinWindow, DefaultsInDocumentOrder) {
  const YdSkinElement& window = Load(
      "<Window><Default name=\"Button\" value=\"textcolor=&quot;#FF000000&quot;\"/>"
      "<Default value=\"ignored=&quot;1&quot;\"/><Default name=\"big\" value=\"\"/>"
      "<Default name=\"Button\" value=\"later\"/></Window>");
  const YdSkinWindowRecords r = ReadWindowRecords(window);
  ASSERT_EQ(r.defaults.size(), 3u);
  EXPECT_EQ(r.defaults[0].name, u"Button");
  EXPECT_EQ(r.defaults[0].value, u"textcolor=\"#FF000000\"");
  EXPECT_EQ(r.defaults[1].name, u"big");
  EXPECT_EQ(r.defaults[1].value, u"");
  // A later list of the same name comes later, so it replaces the first.
  EXPECT_EQ(r.defaults[2].value, u"later");
}

TEST_F(SkinWindow, WindowAttributes) {
  const YdSkinElement& window = Load(
      "<Window name=\"w\" size=\"500,280\" caption=\"0,0,0,280\" roundcorner=\"4,5\" sizebox=\"1,2,3,4\""
      " mininfo=\"100,50\" maxinfo=\"800,600\" layeredwindow=\"true\" extendwnd=\"false\""
      " mainarea=\"0,0,400,300\" closearea=\"380,0,420,40\" roundcornerimage=\"file='r.png'\""
      " inset=\"1,1,1,1\" Size=\"9,9\"/>");
  const YdWindowAttributes a = ReadWindowRecords(window).attributes;
  EXPECT_EQ(a.size, (YdSize{500, 280}));
  EXPECT_EQ(a.caption, (YdRect{0, 0, 0, 280}));
  EXPECT_EQ(a.roundCorner, (YdPoint{4, 5}));
  ASSERT_TRUE(a.sizeBox.has_value());
  EXPECT_EQ(*a.sizeBox, (std::array<int, 5>{1, 2, 3, 4, 0}));  // four numbers: corner 0
  EXPECT_EQ(a.minInfo, (YdSize{100, 50}));
  EXPECT_EQ(a.maxInfo, (YdSize{800, 600}));
  EXPECT_EQ(a.layered, true);
  EXPECT_EQ(a.LayeredAlpha(), 255);
  EXPECT_EQ(a.extendWnd, false);
  EXPECT_EQ(a.mainArea, (YdRect{0, 0, 400, 300}));
  EXPECT_EQ(a.closeArea, (YdRect{380, 0, 420, 40}));
  EXPECT_EQ(a.roundCornerImage, u"file='r.png'");

  YdWindowAttributes b;
  EXPECT_TRUE(ApplyWindowAttribute(b, u"layeredwindowalpha", u"128"));
  EXPECT_EQ(b.LayeredAlpha(), 128);
  EXPECT_TRUE(ApplyWindowAttribute(b, u"name", u"w"));
  EXPECT_FALSE(ApplyWindowAttribute(b, u"inset", u"1,1,1,1"));
  EXPECT_FALSE(ApplyWindowAttribute(b, u"Size", u"9,9"));
  EXPECT_FALSE(b.size.has_value());
  EXPECT_TRUE(ApplyWindowAttribute(b, u"sizebox", u"4,4,4,4,8"));
  EXPECT_EQ(*b.sizeBox, (std::array<int, 5>{4, 4, 4, 4, 8}));
}

TEST(StyleNames, BlanksSeparateAndQuotesGroup) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(ParseStyleNames(u"big red"), (V{u"big", u"red"}));
  EXPECT_EQ(ParseStyleNames(u"  big   red  "), (V{u"big", u"red"}));
  EXPECT_EQ(ParseStyleNames(u"\"two words\" one"), (V{u"two words", u"one"}));
  EXPECT_EQ(ParseStyleNames(u"a \"open quote"), (V{u"a", u"open quote"}));
  EXPECT_EQ(ParseStyleNames(u"\"\" x"), (V{u"x"}));
  EXPECT_EQ(ParseStyleNames(u""), V{});
}

TEST_F(SkinWindow, NamedListsComeElementNameFirstThenStyles) {
  const YdSkinElement& button = Load("<Button style=\"first &quot;second one&quot;\" text=\"x\"/>");
  EXPECT_EQ(NamedListsFor(button), (std::vector<std::u16string>{u"Button", u"first", u"second one"}));
  const YdSkinElement& label = Load("<Label/>");
  EXPECT_EQ(NamedListsFor(label), (std::vector<std::u16string>{u"Label"}));
}

TEST_F(SkinWindow, FindByIdIsDepthFirstOverDescendants) {
  const YdSkinElement& root = Load(
      "<Window id=\"7\">"
      "  <A id=\"1\"><B><C id=\"5\" tag=\"deep\"/></B></A>"
      "  <D id=\"5\" tag=\"shallow\"/>"
      "  <E/><F id=\" 9x\"/><G id=\"0\" tag=\"zero\"/>"
      "</Window>");
  ASSERT_NE(FindElementById(root, 5), nullptr);
  EXPECT_EQ(FindElementById(root, 5)->AttributeOr(u"tag"), u"deep");
  EXPECT_EQ(FindElementById(root, 1)->name, u"A");
  EXPECT_EQ(FindElementById(root, 9)->name, u"F");
  // The node itself is not a candidate.
  EXPECT_EQ(FindElementById(root, 7), nullptr);
  // Elements without "id" never match 0; an explicit "0" does.
  EXPECT_EQ(FindElementById(root, 0)->AttributeOr(u"tag"), u"zero");
  EXPECT_EQ(FindElementById(root.children[0], 0), nullptr);
  EXPECT_EQ(FindElementById(root, 42), nullptr);
}

TEST_F(SkinWindow, WindowPartIsFoundByIdInsideTheSelectedWindow) {
  const YdSkinElement& root = Load(
      "<Root><Window name=\"a\"><VerticalLayout><WndControl id=\"300\"><Label id=\"1\"/></WndControl>"
      "</VerticalLayout></Window><Window name=\"b\"><Control id=\"300\" tag=\"b\"/></Window></Root>");
  const std::u16string a = u"a", b = u"b", c = u"c";
  const YdSkinElement* part = SelectWindowPart(&root, &a, 300);
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->name, u"WndControl");
  EXPECT_TRUE(ReadsWindowRecords(*part, true));
  EXPECT_EQ(SelectWindowPart(&root, &b, 300)->AttributeOr(u"tag"), u"b");
  EXPECT_EQ(SelectWindowPart(&root, &b, 1), nullptr);
  EXPECT_EQ(SelectWindowPart(&root, &c, 300), nullptr);
  // BuildWindow reads records only from a "Window".
  EXPECT_TRUE(ReadsWindowRecords(root.children[0], false));
  EXPECT_FALSE(ReadsWindowRecords(root, false));
}

TEST_F(SkinWindow, WindowControlDataCarriesSourceNameAndId) {
  const YdSkinElement& wc = Load("<WndControl id=\"300\"><Label/></WndControl>");
  YdSkinOrigin source{YdSkinOriginKind::kResource, u"102", u"XML"};
  const std::u16string name = u"ydWifiSetupWnd";
  YdWindowControlData data = WindowControlDataFor(wc, source, &name);
  EXPECT_EQ(data.id, 300);
  EXPECT_EQ(data.source.kind, YdSkinOriginKind::kResource);
  EXPECT_EQ(data.source.source, u"102");
  EXPECT_EQ(data.source.resourceType, u"XML");
  EXPECT_EQ(data.windowName, name);
  data = WindowControlDataFor(Load("<WndControl/>"), source, nullptr);
  EXPECT_EQ(data.id, 0);
  EXPECT_FALSE(data.windowName.has_value());
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
