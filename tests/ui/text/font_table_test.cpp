// Font table of the paint manager: the default font, lookups by name,
// duplicate names, weights, metrics with and without a window DC, and the
// installed-face lookup.
#include <gtest/gtest.h>

#include "tests/ui/text/text_fixture.h"
#include "ui/text/font_table.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

LOGFONTW GuiFont() {
  LOGFONTW log{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(log), &log);
  return log;
}

TEST(FontTableTest, DefaultFontComesFromTheSystemGuiFont) {
  YdFontTable table;
  YdFontInfo* font = table.GetDefaultFont();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->face, std::wstring(GuiFont().lfFaceName));
  EXPECT_EQ(font->size, -GuiFont().lfHeight);
  EXPECT_EQ(table.FindFont(L"Default"), font);
  EXPECT_EQ(table.GetDefaultFont(), font);
  EXPECT_EQ(table.size(), 1u);
  EXPECT_EQ(font->metrics.tmHeight, 0);  // no window DC: metrics stay zero
}

TEST(FontTableTest, CopyFromGivesThePopupTheOwnersFontsAndDefaults) {
  YdFontTable owner;
  owner.SetDefaultFont(owner.AddFont(L"", L"Tahoma", 13, false, false, false));
  owner.AddFont(L"title", L"Tahoma", 20, true, false, true);
  // A default owned without a name (its name was taken).
  owner.SetDefaultLinkFont(owner.AddFont(L"title", L"Arial", 11, false, true, false));
  YdFontTable popup;
  YdFontInfo* own = popup.AddFont(L"title", L"Courier New", 9, false, false, false);
  popup.CopyFrom(owner);
  EXPECT_EQ(popup.FindFont(L"title"), own);  // a name it had keeps its own font
  YdFontInfo* def = popup.GetDefaultFont();
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(def->face, L"Tahoma");
  EXPECT_EQ(def->size, 13);
  EXPECT_EQ(popup.GetFont(L"missing"), def);
  ASSERT_NE(popup.GetDefaultLinkFont(), nullptr);
  EXPECT_EQ(popup.GetDefaultLinkFont()->face, L"Arial");
  EXPECT_TRUE(popup.GetDefaultLinkFont()->underline);
  EXPECT_NE(popup.GetDefaultLinkFont()->font.Get(), owner.GetDefaultLinkFont()->font.Get());  // own handles
  EXPECT_EQ(popup.GetDefaultBoldFont(), nullptr);
  popup.CopyFrom(popup);  // copying itself changes nothing
  EXPECT_EQ(popup.GetDefaultFont(), def);
}

TEST(FontTableTest, LookupsFallBackToTheDefault) {
  YdFontTable table;
  YdFontInfo* skin_default = table.AddFont(L"", L"Tahoma", 12, false, false, false);
  table.SetDefaultFont(skin_default);
  YdFontInfo* title = table.AddFont(L"title", L"Tahoma", 20, true, false, false);
  EXPECT_EQ(table.GetFont(L""), skin_default);
  EXPECT_EQ(table.GetFont(L"missing"), skin_default);
  EXPECT_EQ(table.GetFont(L"title"), title);
  EXPECT_EQ(table.GetFont(L"Title"), skin_default);  // names compare with case
  EXPECT_EQ(table.GetDefaultBoldFont(), nullptr);
}

TEST(FontTableTest, NamedDefaultIsUsedWithoutBecomingTheDefault) {
  YdFontTable table;
  YdFontInfo* named = table.AddFont(L"Default", L"Tahoma", 15, false, false, false);
  EXPECT_EQ(table.GetDefaultFont(), named);
  EXPECT_EQ(table.size(), 1u);
  YdFontInfo* other = table.AddFont(L"x", L"Tahoma", 9, false, false, false);
  table.SetDefaultFont(other);
  EXPECT_EQ(table.GetDefaultFont(), other);
}

TEST(FontTableTest, DuplicateNameKeepsTheFirstEntryButReturnsTheNewFont) {
  YdFontTable table;
  YdFontInfo* first = table.AddFont(L"a", L"Tahoma", 12, false, false, false);
  YdFontInfo* second = table.AddFont(L"a", L"Tahoma", 18, false, true, true);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(table.GetFont(L"a"), first);
  EXPECT_EQ(second->size, 18);
  LOGFONTW log{};
  ASSERT_NE(::GetObjectW(second->font.Get(), sizeof(log), &log), 0);  // still alive
  EXPECT_EQ(log.lfHeight, -18);
  EXPECT_TRUE(log.lfUnderline);
  EXPECT_TRUE(log.lfItalic);
}

TEST(FontTableTest, BoldAddsToTheDefaultWeight) {
  YdFontTable table;
  YdFontInfo* bold = table.AddFont(L"b", L"Tahoma", 12, true, false, false);
  LOGFONTW log{};
  ::GetObjectW(bold->font.Get(), sizeof(log), &log);
  EXPECT_EQ(log.lfWeight, GuiFont().lfWeight + 700);
  EXPECT_EQ(log.lfCharSet, DEFAULT_CHARSET);
}

using PaintManagerFontTest = test::TextTest;

TEST_F(PaintManagerFontTest, MetricsAreReadThroughTheWindowDC) {
  YdFontInfo* big = manager_.GetFont(L"big");
  ASSERT_NE(big, nullptr);
  EXPECT_GE(big->metrics.tmHeight, 30);
  EXPECT_GT(big->metrics.tmMaxCharWidth, 0);
  EXPECT_NE(manager_.GetPaintDC(), nullptr);
}

TEST_F(PaintManagerFontTest, InstalledFaces) {
  // The CJK face the test session provides (the skin's faces map onto it).
  manager_.AddFont(L"wqy", L"WenQuanYi Micro Hei", 12, false, false, false);
  EXPECT_TRUE(manager_.IsFontInstalled(L"wqy"));
  EXPECT_EQ(manager_.GetFont(L"wqy")->installed, 1);
  manager_.AddFont(L"ghost", L"NoSuchFaceAnywhere", 12, false, false, false);
  EXPECT_FALSE(manager_.IsFontInstalled(L"ghost"));
  EXPECT_EQ(manager_.GetFont(L"ghost")->installed, 2);
  EXPECT_FALSE(manager_.IsFontInstalled(L"ghost"));  // answered from the state
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
