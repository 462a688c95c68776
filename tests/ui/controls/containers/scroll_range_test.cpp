// Scroll bar decisions: bar range and position with notification 32, show
// and hide in ProcessScrollBars, the layout repeated until the bars settle,
// SetScrollPosition's child offsets, and the scrolling steps for commands,
// keys and the wheel.
#include <gtest/gtest.h>

#include "ui/controls/containers/layout_logic.h"
#include "ui/controls/containers/scroll_range.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

YdLayoutChild Fixed(int cx, int cy) {
  YdLayoutChild c;
  c.fixed = {cx, cy};
  return c;
}

YdBarState ShownBar(int range, int position) {
  YdBarState bar;
  bar.exists = bar.visible = true;
  bar.range = range;
  bar.position = position;
  return bar;
}

TEST(ScrollBarValues, RangeClampsPositionAndPositionNotifies) {
  YdBarState bar = ShownBar(60, 0);
  YdBarNotify n = SetBarPosition(bar, 30);
  EXPECT_TRUE(n.raised);
  EXPECT_EQ(n.wParam, 50);
  EXPECT_EQ(n.lParam, 30);
  // The same value again raises nothing.
  EXPECT_FALSE(SetBarPosition(bar, 30).raised);
  n = SetBarPosition(bar, 500);
  EXPECT_EQ(bar.position, 60);
  EXPECT_EQ(n.wParam, 100);
  SetBarRange(bar, 20);
  EXPECT_EQ(bar.position, 20);
  SetBarRange(bar, -5);
  EXPECT_EQ(bar.range, 0);
  EXPECT_EQ(bar.position, 0);
  // Range 0: wParam 0, and huge ranges do not overflow the percentage.
  YdBarState big = ShownBar(2000000000, 0);
  EXPECT_EQ(SetBarPosition(big, 1000000000).wParam, 50);
}

TEST(ProcessScrollBars, ShowsWithRangeAndHidesAgain) {
  // A vertical layout of 300 whose content needs 400.
  YdContainerBox box;
  box.position = {0, 0, 200, 300};
  box.vbar.exists = true;
  std::vector<YdLayoutChild> kids{Fixed(0, 150), Fixed(0, 250)};
  YdArrangement a = ArrangeContainer(YdLayoutKind::kVertical, box, kids);
  EXPECT_TRUE(a.vbar.visible);
  EXPECT_EQ(a.vbar.range, 100);
  EXPECT_EQ(a.vbar.position, 0);
  EXPECT_EQ(a.passes, 2);
  ASSERT_TRUE(a.vbarRect.has_value());
  EXPECT_EQ(*a.vbarRect, (YdRect{184, 0, 200, 300}));
  // The second pass laid the children out beside the bar.
  EXPECT_EQ(a.layout.rects[0]->right, 184);

  // Scrolled down, then grown to 400: hidden, position and range back to 0.
  box.vbar = a.vbar;
  box.vbar.position = 40;
  box.position.bottom = 400;
  a = ArrangeContainer(YdLayoutKind::kVertical, box, kids);
  EXPECT_FALSE(a.vbar.visible);
  EXPECT_EQ(a.vbar.range, 0);
  EXPECT_EQ(a.vbar.position, 0);
  EXPECT_FALSE(a.vbarRect.has_value());
  EXPECT_EQ(*a.layout.rects[0], (YdRect{0, 0, 200, 150}));
}

TEST(ProcessScrollBars, VisibleBarChangesOnlyWhenItsPositionMoves) {
  const YdRect content{0, 0, 100, 100};
  YdScrollBarsOutcome out = ProcessScrollBars(content, {100, 150}, ShownBar(80, 30), {});
  EXPECT_EQ(out.vbar.range, 50);
  EXPECT_EQ(out.vbar.position, 30);
  EXPECT_FALSE(out.changed);
  out = ProcessScrollBars(content, {100, 120}, ShownBar(80, 30), {});
  EXPECT_EQ(out.vbar.position, 20);
  EXPECT_TRUE(out.changed);
  // No bar: nothing happens, however large the content.
  out = ProcessScrollBars(content, {900, 900}, {}, {});
  EXPECT_FALSE(out.changed);
  EXPECT_FALSE(out.vbar.visible);
  // A horizontal bar goes under the content.
  YdBarState h;
  h.exists = true;
  out = ProcessScrollBars({10, 10, 110, 60}, {130, 10}, {}, h);
  EXPECT_TRUE(out.changed);
  EXPECT_EQ(out.hbar.range, 30);
  EXPECT_EQ(*out.hbarRect, (YdRect{10, 60, 110, 76}));
}

TEST(ProcessScrollBars, HorizontalBarShowingCanBringTheVerticalOne) {
  // Fits vertically until the horizontal bar takes 16 pixels of height.
  YdContainerBox box;
  box.position = {0, 0, 100, 100};
  box.vbar.exists = true;
  box.hbar.exists = true;
  std::vector<YdLayoutChild> kids{Fixed(150, 90)};
  YdArrangement a = ArrangeContainer(YdLayoutKind::kOverlay, box, kids);
  EXPECT_TRUE(a.hbar.visible);
  EXPECT_TRUE(a.vbar.visible);
  EXPECT_EQ(a.vbar.range, 90 - 84);
  EXPECT_EQ(a.hbar.range, 150 - 84);
  EXPECT_LE(a.passes, kMaxArrangePasses);
}

TEST(ScrollPosition, MovesChildrenByTheBarsChange) {
  YdContainerBox box;
  box.position = {0, 100, 100, 200};
  box.vbar = ShownBar(50, 10);
  box.hbar = ShownBar(30, 0);
  EXPECT_EQ(ScrollPosition(box), (YdPoint{0, 10}));
  EXPECT_EQ(ScrollRange(box), (YdPoint{30, 50}));
  YdScrollMove m = SetScrollPosition(box, {5, 80}, 90);
  EXPECT_EQ(m.vbar.position, 50);
  EXPECT_EQ(m.dy, 40);
  EXPECT_EQ(m.dx, 5);
  EXPECT_TRUE(m.vNotify.raised);
  EXPECT_EQ(m.vNotify.wParam, 100);
  EXPECT_EQ(ScrolledChildRect({10, 60, 40, 90}, {0, 0}, m.dx, m.dy), (YdRect{5, 20, 35, 50}));
  EXPECT_EQ(ScrolledChildRect({10, 60, 40, 90}, {20, 10}, m.dx, m.dy), (YdRect{5, 20, 25, 30}));
  EXPECT_FALSE(SetScrollPosition(box, {0, 10}, 90).Moves());
  // Without a shown vertical bar the first child's top decides.
  box.vbar.visible = false;
  box.hbar.visible = false;
  m = SetScrollPosition(box, {0, 7}, 103);
  EXPECT_EQ(m.dy, 10);
  EXPECT_FALSE(SetScrollPosition(box, {0, 7}, std::nullopt).Moves());
}

TEST(ScrollSteps, CommandsKeysAndWheel) {
  YdContainerBox box;
  box.position = {0, 0, 200, 100};
  box.inset = {2, 3, 4, 5};
  box.vbar = ShownBar(300, 50);
  box.vbar.lineSize = 12;
  box.hbar = ShownBar(40, 20);
  using C = YdScrollCommand;
  EXPECT_EQ(ScrollTarget(C::kLineUp, box), (YdPoint{20, 38}));
  EXPECT_EQ(ScrollTarget(C::kLineDown, box), (YdPoint{20, 62}));
  EXPECT_EQ(ScrollTarget(C::kPageDown, box), (YdPoint{20, 50 + 100 - 8 - 16}));
  EXPECT_EQ(ScrollTarget(C::kPageUp, box), (YdPoint{20, 50 - 76}));
  EXPECT_EQ(ScrollTarget(C::kHomeUp, box), (YdPoint{20, 0}));
  EXPECT_EQ(ScrollTarget(C::kEndDown, box), (YdPoint{20, 300}));
  EXPECT_EQ(ScrollTarget(C::kLineLeft, box), (YdPoint{12, 50}));
  EXPECT_EQ(ScrollTarget(C::kPageRight, box), (YdPoint{20 + 200 - 6 - 16, 50}));
  EXPECT_EQ(ScrollTarget(C::kEndRight, box), (YdPoint{40, 50}));
  EXPECT_EQ(ScrollTarget(C::kHomeLeft, box), (YdPoint{0, 50}));

  EXPECT_EQ(ScrollCommandForKey(33, box), C::kPageUp);
  EXPECT_EQ(ScrollCommandForKey(40, box), C::kLineDown);
  EXPECT_EQ(ScrollCommandForKey(37, box), std::nullopt);
  EXPECT_EQ(ScrollCommandForWheel(1, box), C::kLineDown);
  box.vbar.enabled = false;  // only the horizontal bar is usable
  EXPECT_EQ(ScrollCommandForKey(35, box), C::kEndRight);
  EXPECT_EQ(ScrollCommandForKey(38, box), C::kLineLeft);
  EXPECT_EQ(ScrollCommandForWheel(0, box), C::kLineLeft);
  box.hbar.visible = false;
  EXPECT_EQ(ScrollCommandForKey(34, box), std::nullopt);
  EXPECT_EQ(ScrollCommandForWheel(0, box), std::nullopt);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
