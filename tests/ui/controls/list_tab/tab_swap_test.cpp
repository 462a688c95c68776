// tab_swap_test.cpp -- dragging a tab item onto a sibling: the pure swap
// rule (target under the pointer, far enough into a larger sibling, both
// axes, refusals), and in a real window: a press and drag swapping two
// tabs' places with kNotifyTabSwap and the click selecting the dragged
// tab, no swap back under a still pointer, "disableswap" on either side
// and a tab without "drag" staying put.
#include <utility>

#include "tests/ui/controls/list_tab/skin_fixture.h"
#include "ui/controls/list_tab/tab_ctrl.h"
#include "ui/controls/list_tab/tab_item.h"
#include "ui/controls/list_tab/tab_swap.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

YdTabSlot Slot(int l, int t, int r, int b, bool swappable = true) { return YdTabSlot{{l, t, r, b}, swappable}; }

TEST(TabSwapRule, HorizontalRowOfTabs) {
  // 50 wide, 80 wide, 50 wide.
  const std::vector<YdTabSlot> row{Slot(0, 0, 50, 20), Slot(50, 0, 130, 20), Slot(130, 0, 180, 20)};
  EXPECT_EQ(TabSwapIndex(row, 0, {10, 5}), -1);   // still on itself
  EXPECT_EQ(TabSwapIndex(row, 0, {60, 5}), -1);   // in the wide one, not far enough yet
  EXPECT_EQ(TabSwapIndex(row, 0, {79, 5}), -1);
  EXPECT_EQ(TabSwapIndex(row, 0, {80, 5}), 1);    // where the dragged tab will lie after the swap
  EXPECT_EQ(TabSwapIndex(row, 0, {140, 5}), 2);   // jumped over one
  // Dragging the wide one left onto a narrower one swaps at once.
  EXPECT_EQ(TabSwapIndex(row, 1, {45, 5}), 0);
  // Dragging the narrow last one left into the wide one: within 50 of its left edge.
  EXPECT_EQ(TabSwapIndex(row, 2, {120, 5}), -1);
  EXPECT_EQ(TabSwapIndex(row, 2, {99, 5}), 1);
  EXPECT_EQ(TabSwapIndex(row, 0, {200, 5}), -1);  // outside every tab
  EXPECT_EQ(TabSwapIndex(row, 0, {60, 25}), -1);  // below the row
}

TEST(TabSwapRule, ColumnOfTabs) {
  const std::vector<YdTabSlot> column{Slot(0, 0, 40, 20), Slot(0, 20, 40, 60)};
  EXPECT_EQ(TabSwapIndex(column, 0, {5, 30}), -1);
  EXPECT_EQ(TabSwapIndex(column, 0, {5, 40}), 1);
  EXPECT_EQ(TabSwapIndex(column, 1, {5, 10}), 0);
}

TEST(TabSwapRule, RefusedSwaps) {
  std::vector<YdTabSlot> row{Slot(0, 0, 50, 20), Slot(50, 0, 100, 20, false), Slot(100, 0, 150, 20)};
  EXPECT_EQ(TabSwapIndex(row, 0, {75, 5}), -1);   // target may not swap
  EXPECT_EQ(TabSwapIndex(row, 1, {25, 5}), -1);   // dragged may not swap
  EXPECT_EQ(TabSwapIndex(row, 0, {125, 5}), 2);   // past the fixed one
  EXPECT_EQ(TabSwapIndex(row, -1, {25, 5}), -1);  // no such tab
  EXPECT_EQ(TabSwapIndex(row, 3, {25, 5}), -1);
  row[2].rect = {};                                // never placed
  EXPECT_EQ(TabSwapIndex(row, 0, {0, 0}), -1);
}

const wchar_t kSwapSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page">
    <TabCtrl name="tabs" height="20" layouttype="1" item='width="50" drag="true"'>
      <TabItem name="t0" text="0" />
      <TabItem name="t1" text="1" />
      <TabItem name="t2" text="2" disableswap="true" />
      <TabItem name="t3" text="3" drag="false" />
    </TabCtrl>
    <Control />
  </VerticalLayout>
</Window>)";

class TabSwapTest : public ListTabSkinTest {
 protected:
  void SetUp() override {
    ASSERT_NE(Build(kSwapSkin), nullptr);
    tabs_ = Named<YdTabCtrl>(L"tabs", kKindTabCtrl);
    ASSERT_NE(tabs_, nullptr);
    for (int i = 0; i < 4; ++i) {
      t_[i] = Named<YdTabItem>((L"t" + std::to_wstring(i)).c_str(), kKindTabItem);
      ASSERT_NE(t_[i], nullptr);
    }
    listener_.onNotify = [this](YdNotifyMsg& msg) {
      if (msg.type == kNotifyTabSwap) swaps_.emplace_back(static_cast<int>(msg.wParam), static_cast<int>(msg.lParam));
    };
  }
  std::vector<std::wstring> Order() {
    std::vector<std::wstring> out;
    for (int i = 0; i < tabs_->ChildCount(); ++i) out.push_back(tabs_->ChildAt(i)->GetName());
    return out;
  }
  YdTabCtrl* tabs_ = nullptr;
  YdTabItem* t_[4] = {};
  std::vector<std::pair<int, int>> swaps_;
};

TEST_F(TabSwapTest, DraggingOntoASiblingSwapsPlaces) {
  ASSERT_TRUE(t_[0]->IsDragEnabled());
  ASSERT_EQ(t_[1]->GetPosition().left, 50);
  Down(25, 10);
  Move(75, 10, true);
  EXPECT_EQ(Order(), (std::vector<std::wstring>{L"t1", L"t0", L"t2", L"t3"}));
  // Laid out at once: the dragged tab is under the pointer.
  EXPECT_EQ(t_[0]->GetPosition().left, 50);
  EXPECT_EQ(t_[1]->GetPosition().left, 0);
  EXPECT_EQ(NotesOf(kNotifyTabSwap), (std::vector<Pair>{{t_[0], 0}}));
  EXPECT_EQ(swaps_, (std::vector<std::pair<int, int>>{{0, 1}}));
  // A still pointer, or one moving inside the tab, swaps nothing more.
  Move(75, 10, true);
  Move(60, 10, true);
  EXPECT_EQ(swaps_.size(), 1u);
  // Back onto t1 swaps back.
  Move(20, 10, true);
  EXPECT_EQ(Order(), (std::vector<std::wstring>{L"t0", L"t1", L"t2", L"t3"}));
  EXPECT_EQ(swaps_, (std::vector<std::pair<int, int>>{{0, 1}, {1, 0}}));
  // Onto a tab with "disableswap": nothing.
  Move(125, 10, true);
  EXPECT_EQ(Order(), (std::vector<std::wstring>{L"t0", L"t1", L"t2", L"t3"}));
  // Past it onto t3 (which does not drag itself, but may be swapped with).
  Move(175, 10, true);
  EXPECT_EQ(Order(), (std::vector<std::wstring>{L"t3", L"t1", L"t2", L"t0"}));
  Up(175, 10);
  // The release over the dragged tab is its click.
  EXPECT_TRUE(t_[0]->IsSelected());
  // Moving with the button up swaps nothing.
  Move(25, 10, false);
  EXPECT_EQ(swaps_.size(), 3u);
}

TEST_F(TabSwapTest, TabsThatMayNotBeDraggedStay) {
  // "disableswap" on the dragged tab.
  Down(125, 10);
  Move(75, 10, true);
  Up(75, 10);
  // No "drag" on the dragged tab.
  Down(175, 10);
  Move(75, 10, true);
  Up(75, 10);
  EXPECT_EQ(Order(), (std::vector<std::wstring>{L"t0", L"t1", L"t2", L"t3"}));
  EXPECT_TRUE(NotesOf(kNotifyTabSwap).empty());
  // A program can swap directly; out-of-range and equal indexes are refused.
  EXPECT_TRUE(tabs_->SwapChildren(0, 3));
  EXPECT_EQ(t_[3]->GetPosition().left, 0);
  EXPECT_FALSE(tabs_->SwapChildren(1, 1));
  EXPECT_FALSE(tabs_->SwapChildren(-1, 2));
  EXPECT_FALSE(tabs_->SwapChildren(0, 4));
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
