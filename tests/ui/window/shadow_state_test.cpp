// Shadow window decisions: status for the parent's state, the parent's
// WM_SIZE (hide, rebuild now, or defer growing sizes to WM_PAINT) and the
// shadow window's rectangle.
#include <gtest/gtest.h>

#include "ui/window/shadow_state.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(ShadowState, StatusFollowsTheParent) {
  const uint8_t all = kShadowEnabled | kShadowVisible | kShadowParentVisible;
  EXPECT_EQ(ShadowStatusForParent(kShadowEnabled, true, false, false), all);
  EXPECT_EQ(ShadowStatusForParent(all, true, true, false), kShadowEnabled | kShadowParentVisible);
  EXPECT_EQ(ShadowStatusForParent(all, true, false, true), kShadowEnabled | kShadowParentVisible);
  EXPECT_EQ(ShadowStatusForParent(all, false, false, false), kShadowEnabled);
  EXPECT_EQ(ShadowStatusForParent(kShadowVisible, true, false, false), 0);  // not enabled
  EXPECT_TRUE(AcceptShadowOffsets(-20));
  EXPECT_FALSE(AcceptShadowOffsets(-21));
}

TEST(ShadowState, ParentSizeHidesDefersOrRebuilds) {
  const uint8_t shown = kShadowEnabled | kShadowVisible | kShadowParentVisible;
  // Maximised: hidden, visible cleared, size still recorded.
  YdShadowSizeAction a = ShadowOnParentSize(shown, 2, true, 1024, 768, PackSize(500, 350));
  EXPECT_TRUE(a.hide);
  EXPECT_EQ(a.status, kShadowEnabled | kShadowParentVisible);
  EXPECT_EQ(a.lastSize, PackSize(1024, 768));
  // Restored from there: shown again, rebuilt at once and once more at the paint.
  a = ShadowOnParentSize(a.status, 0, true, 500, 350, a.lastSize);
  EXPECT_TRUE(a.rebuild && a.show && a.markPending);
  EXPECT_EQ(a.status, shown);
  // Growing in either direction waits for WM_PAINT; shrinking rebuilds now.
  a = ShadowOnParentSize(shown, 0, true, 501, 300, PackSize(500, 350));
  EXPECT_TRUE(a.markPending);
  EXPECT_FALSE(a.rebuild);
  a = ShadowOnParentSize(shown, 0, true, 400, 351, PackSize(500, 350));
  EXPECT_TRUE(a.markPending);
  a = ShadowOnParentSize(shown, 0, true, 500, 350, PackSize(500, 350));
  EXPECT_TRUE(a.rebuild);
  EXPECT_FALSE(a.markPending || a.show || a.hide);
  // A disabled shadow ignores the message and keeps its last size.
  a = ShadowOnParentSize(0, 0, true, 10, 10, PackSize(500, 350));
  EXPECT_FALSE(a.rebuild || a.hide || a.markPending);
  EXPECT_EQ(a.lastSize, PackSize(500, 350));
}

TEST(ShadowState, WindowRectangle) {
  YdShadowParams p;  // size 0, offsets 5, 5
  EXPECT_EQ(ShadowWindowRect({100, 50, 600, 400}, p), (YdRect{105, 55, 605, 405}));
  p.size = 4;
  p.xOffset = 0;
  p.yOffset = 0;
  EXPECT_EQ(ShadowWindowRect({100, 50, 600, 400}, p), (YdRect{96, 46, 604, 404}));
  EXPECT_EQ(PackSize(500, 350), 0x015E01F4u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
