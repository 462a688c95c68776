// list_test.cpp -- the list and its rows: the move rule, default element
// sizes and the other keys, kinds, single selection by click (no toggling),
// keyboard navigation Up, Down, Home and End over enabled visible rows with
// focus and notification 14, and scrolling the selected row into view.
#include "tests/ui/controls/list_tab/skin_fixture.h"
#include "ui/controls/list_tab/list.h"
#include "ui/controls/list_tab/list_element.h"
#include "ui/controls/containers/scrollbar.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST(ListMoveRule, StopsAtTheEndsAndSkipsRowsThatCannotBeSelected) {
  const bool rows[] = {false, true, true, false, true, false};
  auto ok = [&rows](int i) { return rows[i]; };
  EXPECT_EQ(ListMoveTarget(YdListMove::kHome, 4, 6, ok), 1);
  EXPECT_EQ(ListMoveTarget(YdListMove::kEnd, 1, 6, ok), 4);
  EXPECT_EQ(ListMoveTarget(YdListMove::kDown, 2, 6, ok), 4);
  EXPECT_EQ(ListMoveTarget(YdListMove::kDown, 4, 6, ok), 4);  // last selectable: stays
  EXPECT_EQ(ListMoveTarget(YdListMove::kUp, 4, 6, ok), 2);
  EXPECT_EQ(ListMoveTarget(YdListMove::kUp, 1, 6, ok), 1);
  EXPECT_EQ(ListMoveTarget(YdListMove::kDown, -1, 6, ok), 1);  // none selected yet
  EXPECT_EQ(ListMoveTarget(YdListMove::kUp, -1, 6, ok), 4);
  auto none = [](int) { return false; };
  EXPECT_EQ(ListMoveTarget(YdListMove::kHome, -1, 6, none), -1);
  EXPECT_EQ(ListMoveTarget(YdListMove::kDown, -1, 0, none), -1);
}

const wchar_t kListSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <HorizontalLayout name="page">
    <List name="list" width="150" defaultelementheight="20" defaultelementwidth="120" indent="4"
          clickexpand="true" drag="true">
      <ListElement name="r0" text="zero" />
      <ListElement name="r1" text="one" height="30" />
      <ListElement name="r2" text="two" enabled="false" />
      <ListElement name="r3" text="three" />
      <Control name="spacer" height="5" />
      <ListElement name="r4" text="four" visible="false" />
    </List>
    <List name="tall" width="100" height="50" vscrollbar="true" defaultelementheight="20" group="8">
      <ListElement name="t0" /><ListElement name="t1" /><ListElement name="t2" />
      <ListElement name="t3" /><ListElement name="t4" /><ListElement name="t5" />
    </List>
  </HorizontalLayout>
</Window>)";

class ListTest : public ListTabSkinTest {
 protected:
  void SetUp() override {
    ASSERT_NE(Build(kListSkin), nullptr);
    list_ = Named<YdList>(L"list", kKindList);
    ASSERT_NE(list_, nullptr);
    for (int i = 0; i < 5; ++i) {
      rows_[i] = Named<YdListElement>((L"r" + std::to_wstring(i)).c_str(), kKindListElement);
      ASSERT_NE(rows_[i], nullptr);
    }
  }
  YdList* list_ = nullptr;
  YdListElement* rows_[5] = {};
};

TEST_F(ListTest, KindsAndKeys) {
  EXPECT_EQ(list_->GetKind(), 25);
  EXPECT_EQ(Answers(list_, AllKinds()), (std::vector<int>{1, 4, 25}));
  EXPECT_EQ(rows_[0]->GetKind(), 26);
  EXPECT_EQ(Answers(rows_[0], AllKinds()), (std::vector<int>{1, 4, 5, 6, 9, 26}));
  EXPECT_EQ(list_->GetDefaultElementHeight(), 20);
  EXPECT_EQ(list_->GetIndent(), 4);
  EXPECT_TRUE(list_->IsClickExpand());
  EXPECT_FALSE(list_->IsDoubleClickExpand());
  EXPECT_TRUE(list_->IsDragEnabled());
  // Default sizes for rows without their own; the row's own height wins;
  // a plain control in the list keeps its size.
  EXPECT_EQ(rows_[0]->GetFixedHeight(), 20);
  EXPECT_EQ(rows_[0]->GetFixedWidth(), 120);
  EXPECT_EQ(rows_[1]->GetFixedHeight(), 30);
  EXPECT_EQ(manager_->ControlByName(L"spacer")->GetFixedWidth(), 0);
  // Rows stack vertically.
  EXPECT_EQ(rows_[0]->GetPosition().top, 0);
  EXPECT_EQ(rows_[1]->GetPosition().top, 20);
  EXPECT_EQ(rows_[2]->GetPosition().top, 50);
  EXPECT_EQ(rows_[0]->GetPosition().right - rows_[0]->GetPosition().left, 120);
  auto* t0 = Named<YdListElement>(L"t0", kKindListElement);
  ASSERT_NE(t0, nullptr);
  EXPECT_EQ(t0->GetGroup(), 8);
  EXPECT_EQ(manager_->GetGroup(8)->size(), 6u);
}

TEST_F(ListTest, ClickSelectsOneRowAndDoesNotToggle) {
  EXPECT_EQ(list_->GetSelectedIndex(), -1);
  Click(rows_[1]);
  EXPECT_EQ(list_->GetSelectedIndex(), 1);
  Click(rows_[3]);
  EXPECT_EQ(list_->GetSelectedIndex(), 3);
  EXPECT_FALSE(rows_[1]->IsSelected());
  Click(rows_[3]);
  EXPECT_TRUE(rows_[3]->IsSelected());
  Click(rows_[2]);  // disabled: nothing changes
  EXPECT_EQ(list_->GetSelectedIndex(), 3);
  EXPECT_EQ(NotesOf(kNotifySelectChanged),
            (std::vector<Pair>{{rows_[1], 1}, {rows_[3], 1}, {rows_[1], 0}}));
}

TEST_F(ListTest, KeysMoveTheSelectionOverSelectableRows) {
  Click(rows_[0]);
  notes_.clear();
  Key(VK_DOWN);
  EXPECT_EQ(list_->GetSelectedIndex(), 1);
  EXPECT_EQ(manager_->GetFocusControl(), rows_[1]);
  Key(VK_DOWN);  // row 2 is disabled: on to row 3
  EXPECT_EQ(list_->GetSelectedIndex(), 3);
  Key(VK_DOWN);  // the spacer is no row, row 4 is hidden: stays
  EXPECT_EQ(list_->GetSelectedIndex(), 3);
  Key(VK_HOME);
  EXPECT_EQ(list_->GetSelectedIndex(), 0);
  Key(VK_UP);
  EXPECT_EQ(list_->GetSelectedIndex(), 0);
  Key(VK_END);
  EXPECT_EQ(list_->GetSelectedIndex(), 3);
  Key(VK_UP);
  EXPECT_EQ(list_->GetSelectedIndex(), 1);
  EXPECT_EQ(NotesOf(kNotifySelectChanged),
            (std::vector<Pair>{{rows_[1], 1}, {rows_[0], 0}, {rows_[3], 1}, {rows_[1], 0}, {rows_[0], 1},
                               {rows_[3], 0}, {rows_[3], 1}, {rows_[0], 0}, {rows_[1], 1}, {rows_[3], 0}}));
  // Other keys are not the list's.
  EXPECT_FALSE(list_->MoveSelection(VK_LEFT));
  EXPECT_EQ(list_->GetSelectedIndex(), 1);
}

TEST_F(ListTest, SelectedRowIsScrolledIntoView) {
  auto* tall = Named<YdList>(L"tall", kKindList);
  auto* t0 = Named<YdListElement>(L"t0", kKindListElement);
  auto* t5 = Named<YdListElement>(L"t5", kKindListElement);
  ASSERT_TRUE(tall && t0 && t5);
  ASSERT_NE(tall->GetVerticalScrollBar(), nullptr);
  EXPECT_EQ(tall->GetScrollPosition().cy, 0);
  Click(t0);
  Key(VK_END);
  EXPECT_TRUE(t5->IsSelected());
  Repaint();
  EXPECT_EQ(tall->GetScrollPosition().cy, 70);  // six rows of 20 in 50 px
  EXPECT_LE(t5->GetPosition().bottom, tall->GetPosition().bottom);
  Key(VK_HOME);
  Repaint();
  EXPECT_EQ(tall->GetScrollPosition().cy, 0);
  EXPECT_EQ(t0->GetPosition().top, tall->GetPosition().top);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
