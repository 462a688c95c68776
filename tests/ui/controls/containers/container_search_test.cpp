// A container's FindMatching order: its own tests first, then the bars,
// itself when asked first, the children in either direction (none when a
// hit-test point lies in the inset), and itself last.
#include <gtest/gtest.h>

#include "ui/controls/containers/container_search.h"
#include "ui/control/control_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using K = YdFindStepKind;
using Steps = std::vector<YdFindStep>;

YdContainerFindInput ThreeChildren(unsigned flags) {
  YdContainerFindInput in;
  in.flags = flags;
  in.position = {0, 0, 100, 100};
  in.inset = {10, 10, 10, 10};
  in.childCount = 3;
  return in;
}

TEST(ContainerSearch, OrderOfBarsSelfAndChildren) {
  YdContainerFindInput in = ThreeChildren(0);
  in.hasVerticalBar = in.hasHorizontalBar = true;
  EXPECT_EQ(ContainerFindOrder(in),
            (Steps{{K::kVerticalBar}, {K::kHorizontalBar}, {K::kChild, 0}, {K::kChild, 1}, {K::kChild, 2}, {K::kSelf}}));
  in = ThreeChildren(kFindTopFirst | kFindMeFirst);
  EXPECT_EQ(ContainerFindOrder(in),
            (Steps{{K::kSelf}, {K::kChild, 2}, {K::kChild, 1}, {K::kChild, 0}, {K::kSelf}}));
  in.childCount = 0;
  EXPECT_EQ(ContainerFindOrder(in), (Steps{{K::kSelf}, {K::kSelf}}));
}

TEST(ContainerSearch, OwnTestsAndHitTestPoint) {
  YdContainerFindInput in = ThreeChildren(kFindAtPoint);
  in.point = {50, 50};
  EXPECT_EQ(ContainerFindOrder(in),
            (Steps{{K::kChild, 2}, {K::kChild, 1}, {K::kChild, 0}, {K::kSelf}}));
  // In the inset: the children are not asked, the container still is.
  in.point = {5, 50};
  EXPECT_EQ(ContainerFindOrder(in), (Steps{{K::kSelf}}));
  // Outside: nothing.
  in.point = {100, 50};
  EXPECT_TRUE(ContainerFindOrder(in).empty());
  // Hidden only fails when visibility is asked for; disabled likewise.
  in = ThreeChildren(kFindVisible);
  in.visible = false;
  EXPECT_TRUE(ContainerFindOrder(in).empty());
  in.flags = 0;
  EXPECT_EQ(ContainerFindOrder(in).size(), 4u);
  in = ThreeChildren(kFindEnabled);
  in.enabled = false;
  EXPECT_TRUE(ContainerFindOrder(in).empty());
  // Without the hit-test flag the point is not looked at.
  in = ThreeChildren(kFindVisible);
  in.point = {500, 500};
  EXPECT_EQ(ContainerFindOrder(in).size(), 4u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
