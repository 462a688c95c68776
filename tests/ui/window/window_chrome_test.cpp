// Window chrome decisions: sizing and caption hit codes, region plans for the
// shape attributes, min/max tracking sizes, delayed show and centring.
#include <gtest/gtest.h>

#include "ui/window/window_chrome.h"

#ifdef _WIN32
#include <windows.h>
static_assert(ZEPHYRA_NAMESPACE::kHitCaption == HTCAPTION && ZEPHYRA_NAMESPACE::kHitLeft == HTLEFT &&
                  ZEPHYRA_NAMESPACE::kHitTopLeft == HTTOPLEFT &&
                  ZEPHYRA_NAMESPACE::kHitBottomRight == HTBOTTOMRIGHT &&
                  ZEPHYRA_NAMESPACE::kHitClient == HTCLIENT,
              "hit codes must equal the Win32 values");
#endif

namespace ZEPHYRA_NAMESPACE {
namespace {

const YdRect kClient{0, 0, 500, 350};
const YdSizeBox kSizeBox{4, 4, 4, 4, 8};

TEST(ChromeHitTest, SizeBoxBandsAndCornerExtent) {
  auto code = [](int x, int y) { return SizingHitCode({x, y}, kClient, kSizeBox, false); };
  EXPECT_EQ(code(2, 2), kHitTopLeft);
  EXPECT_EQ(code(250, 2), kHitTop);
  EXPECT_EQ(code(2, 10), kHitTopLeft);  // left band, within the corner extent
  EXPECT_EQ(code(2, 100), kHitLeft);
  EXPECT_EQ(code(11, 3), kHitTopLeft);
  EXPECT_EQ(code(12, 3), kHitTop);
  EXPECT_EQ(code(488, 3), kHitTop);
  EXPECT_EQ(code(489, 3), kHitTopRight);
  EXPECT_EQ(code(498, 100), kHitRight);
  EXPECT_EQ(code(498, 12), kHitRight);
  EXPECT_EQ(code(498, 11), kHitTopRight);
  EXPECT_EQ(code(498, 338), kHitRight);
  EXPECT_EQ(code(498, 339), kHitBottomRight);
  EXPECT_EQ(code(250, 348), kHitBottom);
  EXPECT_EQ(code(2, 347), kHitBottomLeft);
  // Band edges: the band is x < left + 4, y > bottom - 4.
  EXPECT_EQ(code(3, 100), kHitLeft);
  EXPECT_EQ(code(4, 100), kHitUnhandled);
  EXPECT_EQ(code(496, 100), kHitUnhandled);
  EXPECT_EQ(code(497, 100), kHitRight);
  EXPECT_EQ(code(250, 346), kHitUnhandled);
  EXPECT_EQ(code(250, 347), kHitBottom);
  EXPECT_EQ(code(250, 100), kHitUnhandled);
}

TEST(ChromeHitTest, MaximisedOrZeroSizeBoxGivesNoSizingCodes) {
  EXPECT_EQ(SizingHitCode({2, 2}, kClient, kSizeBox, true), kHitUnhandled);
  EXPECT_EQ(SizingHitCode({2, 2}, kClient, YdSizeBox{0, 0, 0, 0, 8}, false), kHitUnhandled);
  // One non-zero width is enough to switch the bands on; the others stay 0 wide.
  EXPECT_EQ(SizingHitCode({250, 1}, kClient, YdSizeBox{0, 2, 0, 0, 0}, false), kHitTop);
  EXPECT_EQ(SizingHitCode({0, 100}, kClient, YdSizeBox{0, 2, 0, 0, 0}, false), kHitUnhandled);
  // A client rectangle not at the origin shifts the bands.
  EXPECT_EQ(SizingHitCode({12, 100}, YdRect{10, 10, 510, 360}, kSizeBox, false), kHitLeft);
}

TEST(ChromeHitTest, CaptionNeedsAFlaggedControlAndInsets) {
  const YdRect fullCaption{0, 0, 0, 350};
  EXPECT_EQ(ChromeHitTest({250, 100}, kClient, kSizeBox, fullCaption, false,
                          [](YdPoint) { return true; }),
            kHitCaption);
  EXPECT_EQ(ChromeHitTest({250, 100}, kClient, kSizeBox, fullCaption, false,
                          [](YdPoint) { return false; }),
            kHitUnhandled);
  // Sizing bands win over the caption.
  EXPECT_EQ(ChromeHitTest({2, 2}, kClient, kSizeBox, fullCaption, false,
                          [](YdPoint) { return true; }),
            kHitTopLeft);
  // A maximised window: the caption still drags.
  EXPECT_EQ(ChromeHitTest({2, 2}, kClient, kSizeBox, fullCaption, true,
                          [](YdPoint) { return true; }),
            kHitCaption);

  const YdRect inset{10, 5, 10, 30};
  int asked = 0;
  auto flagged = [&](YdPoint) {
    ++asked;
    return true;
  };
  EXPECT_EQ(ChromeHitTest({9, 10}, kClient, kSizeBox, inset, false, flagged), kHitUnhandled);
  EXPECT_EQ(ChromeHitTest({490, 10}, kClient, kSizeBox, inset, false, flagged), kHitUnhandled);
  EXPECT_EQ(ChromeHitTest({100, 30}, kClient, kSizeBox, inset, false, flagged), kHitUnhandled);
  EXPECT_EQ(ChromeHitTest({100, 4}, kClient, kSizeBox, inset, false, flagged), kHitUnhandled);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(ChromeHitTest({10, 5}, kClient, kSizeBox, inset, false, flagged), kHitCaption);
  EXPECT_EQ(ChromeHitTest({489, 29}, kClient, kSizeBox, inset, false, flagged), kHitCaption);
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(InCaptionArea({489, 29}, kClient, inset));
  EXPECT_FALSE(InCaptionArea({489, 29}, kClient, YdRect{}));
}

TEST(ChromeRegion, RoundCornerPairs) {
  YdWindowShape shape;
  shape.roundA = 6;
  YdRegionPlan plan = PlanWindowRegion(shape, kClient, false, false);
  EXPECT_EQ(plan.kind, YdRegionPlan::kRoundCorner);
  EXPECT_EQ(plan.rect, (YdRect{0, 0, 501, 351}));
  EXPECT_EQ(plan.radius, 6);
  ASSERT_EQ(plan.squares.size(), 1u);
  EXPECT_EQ(plan.squares[0], (YdRect{0, 6, 500, 350}));  // square bottom corners
  EXPECT_TRUE(plan.roundedRegionSet);

  shape.roundA = 0;
  shape.roundB = 6;
  plan = PlanWindowRegion(shape, kClient, false, false);
  ASSERT_EQ(plan.squares.size(), 1u);
  EXPECT_EQ(plan.squares[0], (YdRect{0, 0, 500, 345}));  // square top corners

  shape.roundA = 4;
  shape.roundB = 9;
  plan = PlanWindowRegion(shape, kClient, false, false);
  EXPECT_EQ(plan.radius, 9);
  EXPECT_TRUE(plan.squares.empty());

  // A corner past the window's size is the window's size.
  shape.roundA = 0;
  shape.roundB = 2147483647;
  plan = PlanWindowRegion(shape, kClient, false, false);
  EXPECT_EQ(plan.radius, 501);
}

TEST(ChromeRegion, PrecedenceAndPlainRectangleOnce) {
  YdWindowShape shape;
  shape.roundA = 6;
  shape.cornerImage = u"res='120' corner='8,8,8,8'";
  YdRegionPlan plan = PlanWindowRegion(shape, kClient, false, false);
  EXPECT_EQ(plan.kind, YdRegionPlan::kCornerImage);
  EXPECT_EQ(plan.cornerImage, shape.cornerImage);

  shape.extendWindow = true;
  shape.mainArea = {0, 20, 480, 350};
  shape.closeArea = {460, 0, 500, 40};
  plan = PlanWindowRegion(shape, kClient, false, false);
  EXPECT_EQ(plan.kind, YdRegionPlan::kExtendWindow);
  EXPECT_EQ(plan.rect, shape.mainArea);
  EXPECT_EQ(plan.ellipse, shape.closeArea);

  plan = PlanWindowRegion(shape, kClient, true, false);
  EXPECT_EQ(plan.kind, YdRegionPlan::kKeep);
  EXPECT_FALSE(plan.roundedRegionSet);

  const YdWindowShape plain;
  plan = PlanWindowRegion(plain, kClient, false, true);
  EXPECT_EQ(plan.kind, YdRegionPlan::kPlainRect);
  EXPECT_EQ(plan.rect, kClient);
  EXPECT_FALSE(plan.roundedRegionSet);
  plan = PlanWindowRegion(plain, kClient, false, plan.roundedRegionSet);
  EXPECT_EQ(plan.kind, YdRegionPlan::kKeep);
}

TEST(ChromeMinMax, LimitsAndWorkAreaFit) {
  YdMinMax in;
  in.maxSize = {1040, 784};
  in.maxPosition = {-8, -8};
  in.minTrackSize = {112, 27};
  in.maxTrackSize = {1044, 788};
  const YdRect work{100, 40, 1124, 778};

  YdMinMax out = ApplyMinMaxLimits(in, {500, 280}, {500, 350}, work);
  EXPECT_EQ(out.minTrackSize, (YdPoint{500, 280}));
  EXPECT_EQ(out.maxTrackSize, (YdPoint{500, 350}));
  EXPECT_EQ(out.maxSize, (YdPoint{500, 350}));
  EXPECT_EQ(out.maxPosition, in.maxPosition);

  out = ApplyMinMaxLimits(in, {0, -1}, {0, 0}, work);
  EXPECT_EQ(out.minTrackSize, in.minTrackSize);
  EXPECT_EQ(out.maxSize, in.maxSize);
  EXPECT_EQ(out.maxTrackSize, (YdPoint{1044, 16 + 738}));
  EXPECT_EQ(out.maxPosition, (YdPoint{92, 32}));
}

TEST(ChromeDelayedShow, StepsOfAtMost100) {
  EXPECT_EQ(DelayedShowSchedule(250), (std::vector<int>{100, 100, 50}));
  EXPECT_EQ(DelayedShowSchedule(100), (std::vector<int>{100}));
  EXPECT_EQ(DelayedShowSchedule(301), (std::vector<int>{100, 100, 100, 1}));
  EXPECT_TRUE(DelayedShowSchedule(0).empty());
  EXPECT_TRUE(DelayedShowSchedule(-40).empty());
  const YdShowStep s = NextShowStep(250);
  EXPECT_EQ(s.intervalMs, 100);
  EXPECT_EQ(s.remainingMs, 150);
  EXPECT_EQ(NextShowStep(0).intervalMs, 0);
}

TEST(ChromeCenter, CentresOnOwnerAndStaysInTheWorkArea) {
  const YdRect work{0, 0, 1024, 768};
  EXPECT_EQ(CenterOnReference({0, 0, 300, 140}, {100, 100, 600, 450}, work), (YdPoint{200, 205}));
  EXPECT_EQ(CenterOnReference({0, 0, 301, 141}, {100, 100, 600, 450}, work), (YdPoint{200, 205}));
  EXPECT_EQ(CenterOnReference({0, 0, 300, 140}, {900, 0, 1100, 100}, work), (YdPoint{724, 0}));
  EXPECT_EQ(CenterOnReference({0, 0, 300, 140}, {-200, 700, 0, 900}, work), (YdPoint{0, 628}));
  // Halves round toward zero: (-101 + 0)/2 = -50.
  EXPECT_EQ(CenterOnReference({0, 0, 10, 10}, {-101, 0, 0, 100}, {-2000, -2000, 2000, 2000}),
            (YdPoint{-55, 45}));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
