// Pointer state transitions of the control base (click only for a press and
// release inside), the position rules, and the manager's event encodings.
#include <gtest/gtest.h>

#include "ui/control/control_logic.h"
#include "ui/control/control_state.h"
#include "ui/manager/event_types.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Runs press, optional move, release; returns the number of clicks.
int Clicks(bool downInside, bool moveInside, bool upInside, bool forwarded = false) {
  uint8_t bits = StateOnMouseEnter(0, true, true).bits;
  bits = StateOnLButtonDown(bits, downInside, true).bits;
  bits = StateOnMouseMove(bits, moveInside, true).bits;
  const YdStateChange up = StateOnLButtonUp(bits, upInside, forwarded, true);
  EXPECT_EQ(up.bits & (kStateCaptured | kStatePushed), 0);
  return up.activate ? 1 : 0;
}

TEST(ControlPointer, ClickNeedsPressAndReleaseInside) {
  EXPECT_EQ(Clicks(true, true, true), 1);
  EXPECT_EQ(Clicks(true, false, false), 0);  // released outside
  EXPECT_EQ(Clicks(true, false, true), 1);   // came back before release
  EXPECT_EQ(Clicks(false, true, true), 0);   // pressed outside: never captured
  EXPECT_EQ(Clicks(true, true, true, true), 0);  // forwarded from a child
}

TEST(ControlPointer, PushedFollowsThePointerWhileCaptured) {
  uint8_t bits = StateOnLButtonDown(kStateHot, true, true).bits;
  EXPECT_EQ(bits, kStateHot | kStateCaptured | kStatePushed);
  YdStateChange c = StateOnMouseMove(bits, false, true);
  EXPECT_EQ(c.bits, kStateHot | kStateCaptured);
  EXPECT_TRUE(c.invalidate);
  c = StateOnMouseMove(c.bits, false, true);
  EXPECT_FALSE(c.invalidate);  // no change, no repaint
  c = StateOnMouseMove(c.bits, true, true);
  EXPECT_EQ(c.bits, kStateHot | kStateCaptured | kStatePushed);
  // Without capture moving changes nothing.
  EXPECT_EQ(StateOnMouseMove(kStateHot, true, true).bits, kStateHot);
  // A double click releases without a click.
  c = StateOnLButtonDblClk(bits, true);
  EXPECT_EQ(c.bits, kStateHot);
  EXPECT_FALSE(c.activate);
}

TEST(ControlPointer, DisabledControlsIgnoreThePointerButLoseHot) {
  EXPECT_EQ(StateOnMouseEnter(0, true, false).bits, 0);
  EXPECT_EQ(StateOnLButtonDown(0, true, false).bits, 0);
  EXPECT_FALSE(StateOnLButtonUp(kStateCaptured, true, false, false).activate);
  const YdStateChange leave = StateOnMouseLeave(kStateHot | kStateFocused);
  EXPECT_EQ(leave.bits, kStateFocused);
  EXPECT_TRUE(leave.invalidate);
  EXPECT_FALSE(StateOnMouseLeave(0).invalidate);
  EXPECT_FALSE(StateOnMouseEnter(0, false, true).invalidate);  // entered outside the position
  EXPECT_FALSE(StateOnMouseEnter(kStateHot, true, true).invalidate);
}

TEST(ControlGeometry, PositionCutAndPos) {
  EXPECT_EQ(NormalizedPosition({10, 20, 5, 8}), (YdRect{10, 20, 10, 20}));
  EXPECT_EQ(NormalizedPosition({1, 2, 3, 4}), (YdRect{1, 2, 3, 4}));
  EXPECT_EQ(HitTestRect({0, 0, 100, 50}, {2, 3, 4, 5}), (YdRect{2, 3, 96, 45}));
  YdPosAttribute p = PosAttribute({480, 260, 13, 13});
  EXPECT_EQ(p.fixedXY, (YdPoint{480, 260}));
  EXPECT_FALSE(p.setWidth);
  EXPECT_FALSE(p.setHeight);
  p = PosAttribute({10, 20, 110, 20});
  EXPECT_TRUE(p.setWidth);
  EXPECT_EQ(p.width, 100);
  EXPECT_TRUE(p.setHeight);
  EXPECT_EQ(p.height, 0);
  EXPECT_EQ(kFindAtPoint, 13u);
  EXPECT_EQ(kFindOfWindow, 9u);
}

TEST(ManagerEncodings, KeyStateAndWheel) {
  EXPECT_EQ(EncodeKeyState(true, false, false, false, false), 1);
  EXPECT_EQ(EncodeKeyState(false, true, true, false, false), 6);
  EXPECT_EQ(EncodeKeyState(false, false, false, true, true), 0x28);
  EXPECT_EQ(WheelEventParam(static_cast<uintptr_t>(static_cast<uint16_t>(-120)) << 16), 1);
  EXPECT_EQ(WheelEventParam(static_cast<uintptr_t>(120) << 16 | 0x8), 0);
  EXPECT_EQ(WheelEventParam(0xFFFFu), 0);  // key flags in the low word only
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
