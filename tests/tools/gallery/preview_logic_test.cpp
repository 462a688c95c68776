// preview_logic_test.cpp -- the skin previewer's decisions: its command
// line, the window it opens, the reason it gives for a skin that does not
// load, the sizes it shows and the picture file it writes.
#include <gtest/gtest.h>

#include "tools/gallery/preview_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(PreviewLogic, CommandLine) {
  EXPECT_TRUE(ParsePreviewArgs({}).skin.empty());
  const YdPreviewArgs full = ParsePreviewArgs({u"--window", u"dlg", u"a.xml", u"--shot", u"a.bmp"});
  EXPECT_TRUE(full.error.empty());
  EXPECT_EQ(full.skin, u"a.xml");
  EXPECT_EQ(full.window, std::u16string(u"dlg"));
  EXPECT_EQ(full.shot, std::u16string(u"a.bmp"));
  for (const std::vector<std::u16string>& bad :
       {std::vector<std::u16string>{u"a.xml", u"--shot"}, {u"a.xml", u"b.xml"}, {u"a.xml", u"--size", u"3"},
        {u"--window", u"w"}}) {
    EXPECT_FALSE(ParsePreviewArgs(bad).error.empty());
  }
}

TEST(PreviewLogic, WindowChoiceAndReasons) {
  YdSkinDocument skin;
  std::string reason;
  ASSERT_EQ(skin.LoadText(u"<Root><Font/><Window name=\"a\"/><Window name=\"b\"/></Root>"), YdSkinLoadStatus::kOk);
  EXPECT_EQ(ChoosePreviewWindow(skin, std::nullopt, &reason), std::u16string(u"a"));
  EXPECT_EQ(ChoosePreviewWindow(skin, u"b", &reason), std::u16string(u"b"));
  EXPECT_FALSE(ChoosePreviewWindow(skin, u"c", &reason));
  EXPECT_EQ(reason, "the skin has no <Window name=\"c\">");
  ASSERT_EQ(skin.LoadText(u"<Window size=\"1,1\"/>"), YdSkinLoadStatus::kOk);
  EXPECT_EQ(ChoosePreviewWindow(skin, u"any", &reason), std::u16string());  // the root is the window
  EXPECT_EQ(skin.LoadBytes("<Root><Window"), YdSkinLoadStatus::kParseError);
  EXPECT_EQ(DescribeSkinLoad(YdSkinLoadStatus::kParseError, skin, u"s.xml").rfind("s.xml: not a well-formed skin: ", 0),
            0u);
  EXPECT_EQ(PreviewSide(0), 1);
  EXPECT_EQ(PreviewSide(2147483647), kPreviewMaxSide);
  EXPECT_EQ(PreviewSide(500), 500);
}

TEST(PreviewLogic, PictureFileIsABottomUp32BitBmp) {
  const uint32_t pixels[] = {0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u, 0xFF123456u, 0x80000000u, 0xFFFFFFFFu};
  const std::vector<uint8_t> bmp = EncodeBmp32(pixels, 3, 2);
  ASSERT_EQ(bmp.size(), 54u + 24u);
  auto u32 = [&](size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | static_cast<uint32_t>(bmp[at + 3]) << 24; };
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(u32(2), 78u);    // file size
  EXPECT_EQ(u32(10), 54u);   // pixels offset
  EXPECT_EQ(u32(18), 3u);    // width
  EXPECT_EQ(u32(22), 2u);    // height, positive: bottom-up
  EXPECT_EQ(bmp[28], 32);    // bits per pixel
  EXPECT_EQ(u32(54 + 4 * 3), 0xFF123456u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
