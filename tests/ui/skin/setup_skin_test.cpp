// The setup's own skin read through the skin model: it is declared UTF-8,
// so its Chinese face names read right whatever the ANSI code page; both
// windows are found with their sizes and fonts, and every control element
// it uses is in the element table. Under Wine the skin is also read from
// this executable's resource XML 102.
#include <gtest/gtest.h>

#include <string>

#include "ui/skin/element_table.h"
#include "ui/skin/skin_document.h"
#include "ui/skin/skin_window.h"
#ifdef _WIN32
#include "ui/skin/skin_resource_win32.h"
#endif

namespace ZEPHYRA_NAMESPACE {
namespace {

std::string SetupSkinBytes() {
#ifdef _WIN32
  std::optional<std::string> bytes = ReadSkinResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102), L"XML");
  return bytes.value_or(std::string());
#else
  std::string bytes;
  ReadSkinFile(u"" ZEPHYRA_SETUP_SKIN_PATH, &bytes);
  return bytes;
#endif
}

void ExpectAllElementsKnown(const YdSkinElement& e) {
  for (const YdSkinElement& child : e.children) {
    EXPECT_TRUE(IsSkinRecordElement(child.name) || ElementClassOf(child.name).has_value())
        << std::string(child.name.begin(), child.name.end());
    ExpectAllElementsKnown(child);
  }
}

TEST(SetupSkin, BothWindowsReadWithTheirFontsOnAWesternSystem) {
  const std::string bytes = SetupSkinBytes();
  ASSERT_FALSE(bytes.empty());
  YdSkinDocument doc;
  ASSERT_EQ(doc.LoadBytes(bytes, 1252), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.CodePage(), 65001u);

  const std::u16string wizardName = u"ydWifiSetupWnd";
  const YdSkinElement* wizard = SelectWindow(doc.Root(), &wizardName);
  ASSERT_NE(wizard, nullptr);
  const YdSkinWindowRecords r = ReadWindowRecords(*wizard);
  EXPECT_EQ(r.attributes.size, (YdSize{500, 280}));
  EXPECT_EQ(r.attributes.caption, (YdRect{0, 0, 0, 280}));
  EXPECT_EQ(r.attributes.maxInfo, (YdSize{500, 350}));
  ASSERT_FALSE(r.fonts.empty());
  EXPECT_EQ(r.fonts[0].key, u"");
  EXPECT_EQ(r.fonts[0].face, u"\u5B8B\u4F53");
  EXPECT_EQ(r.fonts[0].size, 12);
  EXPECT_TRUE(r.fonts[0].isDefault);
  ExpectAllElementsKnown(*wizard);

  const std::u16string dialogName = u"ydMessageDlg";
  const YdSkinElement* dialog = SelectWindow(doc.Root(), &dialogName);
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(dialog, wizard);
  EXPECT_TRUE(ReadWindowRecords(*dialog).attributes.size.has_value());
  ExpectAllElementsKnown(*dialog);
}

#ifdef _WIN32
TEST(SetupSkin, MissingResourceGivesNothing) {
  EXPECT_FALSE(ReadSkinResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(9999), L"XML").has_value());
  EXPECT_FALSE(ReadSkinResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102), L"NOSUCHTYPE").has_value());
}
#endif

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
