// Container rules: insertion index, child paint area and plan (topmost
// children last, floating children over the inset, only floating children
// when the dirty rectangle misses the child area), auto-hide bars.
#include <gtest/gtest.h>

#include "ui/controls/containers/container_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(ContainerRules, InsertionIndex) {
  EXPECT_EQ(ChildInsertionIndex(-3, 4), 0u);
  EXPECT_EQ(ChildInsertionIndex(0, 4), 0u);
  EXPECT_EQ(ChildInsertionIndex(2, 4), 2u);
  EXPECT_EQ(ChildInsertionIndex(4, 4), 4u);
  EXPECT_EQ(ChildInsertionIndex(99, 4), 4u);
  EXPECT_EQ(ChildInsertionIndex(1, 0), 0u);
}

TEST(ContainerRules, ChildPaintAreaLeavesOutInsetAndBars) {
  YdContainerBox box;
  box.position = {0, 0, 200, 100};
  box.inset = {5, 5, 5, 5};
  box.vbar.exists = box.vbar.visible = true;
  EXPECT_EQ(ChildPaintArea(box), (YdRect{5, 5, 179, 95}));
  box.scrollCover = true;
  EXPECT_EQ(ChildPaintArea(box), (YdRect{5, 5, 195, 95}));
}

TEST(ContainerRules, PaintPlanOrderAndClips) {
  const YdRect position{0, 0, 500, 280};
  const YdRect area{10, 10, 490, 270};
  std::vector<YdPaintChild> kids(5);
  kids[0].position = {10, 10, 100, 50};
  kids[1].position = {10, 60, 100, 90};
  kids[1].topmost = true;
  kids[2].position = {475, 0, 500, 25};  // floating close button over the inset
  kids[2].floating = true;
  kids[3].position = {10, 100, 100, 120};
  kids[3].visible = false;
  kids[4].position = {0, 0, 5, 5};       // a normal child entirely in the inset
  using C = YdChildClip;
  EXPECT_EQ(PlanChildPaint(kids, position, area, position),
            (std::vector<YdChildPaint>{{0, C::kChildArea}, {2, C::kContainer}, {1, C::kChildArea}}));
  // A dirty rectangle in the inset only: only floating children.
  EXPECT_EQ(PlanChildPaint(kids, position, area, {470, 0, 500, 8}),
            (std::vector<YdChildPaint>{{2, C::kContainer}}));
  // A dirty rectangle meeting nothing.
  EXPECT_TRUE(PlanChildPaint(kids, position, area, {200, 200, 210, 210}).empty());
}

TEST(ContainerRules, AutoHideFollowsThePointerUnlessABarIsCaptured) {
  YdAutoHideTick t = AutoHideOnTimer(false, false, false);
  EXPECT_TRUE(t.pointerOutside);
  EXPECT_TRUE(t.changed);
  t = AutoHideOnTimer(true, false, false);
  EXPECT_FALSE(t.changed);
  t = AutoHideOnTimer(true, true, false);
  EXPECT_FALSE(t.pointerOutside);
  EXPECT_TRUE(t.changed);
  // Dragging the thumb out of the container keeps the bar.
  t = AutoHideOnTimer(false, false, true);
  EXPECT_FALSE(t.pointerOutside);
  EXPECT_FALSE(t.changed);

  YdBarState bar;
  bar.exists = bar.visible = true;
  const YdRect barRect{184, 0, 200, 100};
  EXPECT_TRUE(PaintsScrollBar(bar, barRect, {0, 0, 200, 100}, true, false));
  EXPECT_FALSE(PaintsScrollBar(bar, barRect, {0, 0, 200, 100}, true, true));
  EXPECT_TRUE(PaintsScrollBar(bar, barRect, {0, 0, 200, 100}, false, true));
  EXPECT_FALSE(PaintsScrollBar(bar, barRect, {0, 0, 184, 100}, false, false));
  bar.visible = false;
  EXPECT_FALSE(PaintsScrollBar(bar, barRect, {0, 0, 200, 100}, false, false));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
