// basic_control_logic_test.cpp -- the pure decisions of the label, button,
// option and progress controls: the anti-aliased text pixel pass, split and
// extend text rectangles, split image order, the click selection rule, the
// progress fill and the circle angles.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ui/controls/basic/basic_control_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(AntialiasTextPixels, UntouchedBecomeTransparentTouchedOpaqueOrScaled) {
  EXPECT_EQ(GdiColourOf(0xFF112233u), 0x00332211u);
  // Text colour 0xFF0000C8 (blue 200): GDI value 0x00C80000.
  const uint32_t text = GdiColourOf(0xFF0000C8u);
  std::vector<uint32_t> px = {
      kUntouchedTextPixel,  // never touched by the text
      0x000000C8u,          // the text colour itself, alpha cleared by GDI
      0x00000064u,          // half the blue: f = 0x640000 / 0xC80000 = 0.5
      0x00000000u,          // touched but black: f = 0
  };
  FinishAntialiasTextPixels(px.data(), px.size(), text);
  EXPECT_EQ(px[0], 0u);
  EXPECT_EQ(px[1], 0xFF0000C8u);
  EXPECT_EQ(px[2], 0x7F000064u);  // alpha 127, blue 100: premultiplied
  EXPECT_EQ(px[3], 0x00000000u);
}

TEST(AntialiasTextPixels, BlackTextAndBrighterPixelsDoNotWrap) {
  std::vector<uint32_t> black = {0x00000000u, 0x00101010u, kUntouchedTextPixel | 0x00101010u};
  FinishAntialiasTextPixels(black.data(), black.size(), 0);  // t = 0: no division
  EXPECT_EQ(black[0], 0xFF000000u);
  EXPECT_EQ(black[1], 0xFF101010u);
  EXPECT_EQ(black[2], 0u);
  // A pixel above the text colour: f capped at 1, so the result is the
  // opaque text colour and no channel overflows.
  std::vector<uint32_t> bright = {0x00FFFFFFu};
  FinishAntialiasTextPixels(bright.data(), bright.size(), GdiColourOf(0xFF404040u));
  EXPECT_EQ(bright[0], 0xFF404040u);
}

TEST(ButtonGeometry, SplitPartAndExtendText) {
  const YdRect pos{100, 20, 180, 50};
  EXPECT_EQ(SplitPartRect(pos, {60, 0, 0, 0}), (YdRect{160, 20, 180, 50}));
  // Third and fourth numbers 0: to the position's edges less the padding.
  EXPECT_EQ(ExtendTextRect(pos, {4, 2, 6, 3}, {10, 5, 0, 0}), (YdRect{114, 27, 174, 47}));
  // Positive: width and height of the text.
  EXPECT_EQ(ExtendTextRect(pos, {4, 2, 6, 3}, {10, 5, 30, 12}), (YdRect{114, 27, 144, 39}));
}

TEST(ButtonGeometry, SplitImageOrderByState) {
  using I = YdSplitImage;
  EXPECT_EQ(SplitImageOrder(0, true), (std::vector<I>{I::kNormal}));
  EXPECT_EQ(SplitImageOrder(kSplitHot, true), (std::vector<I>{I::kHot, I::kNormal}));
  EXPECT_EQ(SplitImageOrder(kSplitHot | kSplitPushed, true), (std::vector<I>{I::kPushed, I::kNormal}));
  EXPECT_EQ(SplitImageOrder(kSplitHot | kSplitPushed, false), (std::vector<I>{I::kDisabled, I::kNormal}));
}

TEST(OptionClick, SelectionRule) {
  // Grouped: like a radio button, a selected one stays selected.
  EXPECT_TRUE(SelectionAfterClick(false, true, false, false));
  EXPECT_TRUE(SelectionAfterClick(true, true, false, false));
  // Without a group, or with the control-key override: toggles.
  EXPECT_TRUE(SelectionAfterClick(false, false, false, false));
  EXPECT_FALSE(SelectionAfterClick(true, false, false, false));
  EXPECT_FALSE(SelectionAfterClick(true, true, true, false));
  // Manual selection: never changes.
  EXPECT_FALSE(SelectionAfterClick(false, true, false, true));
  EXPECT_TRUE(SelectionAfterClick(true, false, false, true));
}

TEST(ProgressFill, StepClamp) {
  EXPECT_EQ(ClampProgressStep(0, 100), 1);
  EXPECT_EQ(ClampProgressStep(500, 100), 100);
  EXPECT_EQ(ClampProgressStep(10, 100), 10);
  EXPECT_EQ(ClampProgressStep(5, 0), 1);
}

TEST(ProgressFill, WidthFollowsStepsAndClamps) {
  // Maximum 100, step 10 (10 steps), width 200: value 5 fills 100 pixels.
  YdProgressFill f = ComputeProgressFill(200, 10, 10, 5, 100, {}, 0, 0, false);
  ASSERT_TRUE(f.draw);
  EXPECT_EQ(f.dest, (YdRect{0, 0, 100, 10}));
  EXPECT_FALSE(f.hasSource);
  f = ComputeProgressFill(200, 10, 10, 20, 100, {}, 0, 0, false);  // clamped
  EXPECT_EQ(f.dest, (YdRect{0, 0, 200, 10}));
  f = ComputeProgressFill(200, 10, 1, 100, 100, {}, 0, 0, false);  // the maximum
  EXPECT_EQ(f.dest, (YdRect{0, 0, 200, 10}));
  f = ComputeProgressFill(200, 10, 1, 33, 100, {}, 0, 0, false);  // 66 pixels, truncated
  EXPECT_EQ(f.dest.right, 66);
}

TEST(ProgressFill, InsetCornersAndEmptyBar) {
  // Fore inset 10,2,10,3: inner width 180; half of it.
  YdProgressFill f = ComputeProgressFill(200, 20, 1, 50, 100, {10, 2, 10, 3}, 0, 0, false);
  ASSERT_TRUE(f.draw);
  EXPECT_EQ(f.dest, (YdRect{10, 2, 100, 17}));
  // Below the corners' sum: nothing.
  EXPECT_FALSE(ComputeProgressFill(200, 20, 1, 10, 100, {}, 12, 12, false).draw);
  EXPECT_TRUE(ComputeProgressFill(200, 20, 1, 12, 100, {}, 12, 12, false).draw);
  // Value 0 draws nothing (a zero right edge would mean a full bar).
  EXPECT_FALSE(ComputeProgressFill(200, 20, 1, 0, 100, {}, 0, 0, false).draw);
  EXPECT_FALSE(ComputeProgressFill(200, 20, 1, -5, 100, {}, 0, 0, false).draw);
  // A step above the maximum cannot divide by zero.
  f = ComputeProgressFill(200, 20, 50, 1, 10, {}, 0, 0, false);
  EXPECT_TRUE(f.draw);
  EXPECT_EQ(f.dest.right, 200);
}

TEST(ProgressFill, SourceModeCutsTheImage) {
  const YdProgressFill f = ComputeProgressFill(200, 16, 1, 25, 100, {4, 0, 4, 0}, 0, 0, true);
  ASSERT_TRUE(f.hasSource);
  EXPECT_EQ(f.sourceWidth, 50);  // from the full width, not the inner one
  EXPECT_EQ(f.sourceHeight, 16);
  EXPECT_EQ(f.dest, (YdRect{4, 0, 52, 16}));
}

TEST(CircleAngles, ArcEndsAtTwelveOClock) {
  EXPECT_DOUBLE_EQ(CircleStartAngle(25), 0.0);
  EXPECT_DOUBLE_EQ(CircleSweepAngle(25), 90.0);
  EXPECT_DOUBLE_EQ(CircleStartAngle(0), 90.0);
  EXPECT_DOUBLE_EQ(CircleSweepAngle(0), 0.0);
  EXPECT_DOUBLE_EQ(CircleStartAngle(50), 270.0);
  EXPECT_DOUBLE_EQ(CircleStartAngle(100), 90.0);
  EXPECT_DOUBLE_EQ(CircleSweepAngle(100), 360.0);
  for (int v = 0; v <= 100; ++v) {
    const double end = std::fmod(CircleStartAngle(v) + CircleSweepAngle(v), 360.0);
    EXPECT_NEAR(end, 90.0, 1e-9) << "value " << v;
  }
  // Out-of-range values are clamped to the percentage range.
  EXPECT_DOUBLE_EQ(CircleSweepAngle(150), 360.0);
  EXPECT_DOUBLE_EQ(CircleSweepAngle(-3), 0.0);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
