// list_tree_test.cpp -- the list's rows as a tree: the pure rules
// (children, subtree ends, parents, folding, the Right / Left steps), and
// in a real window: folding from "level" / "expanded", indent, expansion
// by click, double click, keys and ExpandElement with its notification,
// relayout and scrolling, the selection leaving a collapsed subtree, and
// a row's own "visible" surviving folding.
#include "tests/ui/controls/list_tab/skin_fixture.h"
#include "ui/controls/list_tab/list.h"
#include "ui/controls/list_tab/list_element.h"
#include "ui/controls/list_tab/list_tree.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

//                           a  a1 a1x a2 b  b1 b2 c
const std::vector<int> kLevels{0, 1, 2, 1, 0, 1, 1, 0};

TEST(ListTreeRules, ChildrenSubtreesAndParents) {
  EXPECT_TRUE(ListRowHasChildren(kLevels, 0));
  EXPECT_TRUE(ListRowHasChildren(kLevels, 1));
  EXPECT_FALSE(ListRowHasChildren(kLevels, 2));
  EXPECT_FALSE(ListRowHasChildren(kLevels, 7));  // last row
  EXPECT_FALSE(ListRowHasChildren(kLevels, 8));  // outside
  EXPECT_FALSE(ListRowHasChildren(kLevels, -1));
  EXPECT_EQ(ListSubtreeEnd(kLevels, 0), 4);
  EXPECT_EQ(ListSubtreeEnd(kLevels, 1), 3);
  EXPECT_EQ(ListSubtreeEnd(kLevels, 4), 7);
  EXPECT_EQ(ListSubtreeEnd(kLevels, 7), 8);
  EXPECT_EQ(ListParentRow(kLevels, 2), 1);
  EXPECT_EQ(ListParentRow(kLevels, 3), 0);
  EXPECT_EQ(ListParentRow(kLevels, 6), 4);
  EXPECT_EQ(ListParentRow(kLevels, 4), -1);
  // A level jump of two still finds the row above as parent.
  EXPECT_EQ(ListParentRow({0, 2, 1}, 1), 0);
  EXPECT_EQ(ListParentRow({0, 2, 1}, 2), 0);
}

TEST(ListTreeRules, CollapsedRowsFoldEverythingBelowThem) {
  // Nothing expanded: only the top rows show.
  EXPECT_EQ(ListFoldedRows(kLevels, std::vector<bool>(8, false)),
            (std::vector<bool>{false, true, true, true, false, true, true, false}));
  // a expanded, a1 collapsed: a1x folded, a2 shown.
  EXPECT_EQ(ListFoldedRows(kLevels, {true, false, false, false, false, false, false, false}),
            (std::vector<bool>{false, false, true, false, false, true, true, false}));
  // a1 expanded under a collapsed a: still folded by a.
  EXPECT_EQ(ListFoldedRows(kLevels, {false, true, false, false, true, false, false, false}),
            (std::vector<bool>{false, true, true, true, false, false, false, false}));
  // Flags shorter than the rows count as collapsed; no rows, no folds.
  EXPECT_EQ(ListFoldedRows({0, 1}, {}), (std::vector<bool>{false, true}));
  EXPECT_TRUE(ListFoldedRows({}, {}).empty());
}

TEST(ListTreeRules, RightAndLeftSteps) {
  const std::vector<bool> none(8, false);
  std::vector<bool> open = none;
  open[0] = true;
  auto step = [](bool right, int row, const std::vector<bool>& flags) {
    const YdListTreeStep s = ListTreeKeyStep(right, row, kLevels, flags);
    return std::make_pair(s.action, s.row);
  };
  using A = YdListTreeAction;
  EXPECT_EQ(step(true, 0, none), std::make_pair(A::kExpand, 0));
  EXPECT_EQ(step(true, 0, open), std::make_pair(A::kSelect, 1));  // into the first child
  EXPECT_EQ(step(true, 2, open), std::make_pair(A::kNone, -1));   // a leaf
  EXPECT_EQ(step(false, 0, open), std::make_pair(A::kCollapse, 0));
  EXPECT_EQ(step(false, 3, open), std::make_pair(A::kSelect, 0));  // to the parent
  EXPECT_EQ(step(false, 0, none), std::make_pair(A::kNone, -1));   // a collapsed top row
  EXPECT_EQ(step(false, -1, none), std::make_pair(A::kNone, -1));  // nothing selected
}

const wchar_t kTreeSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <HorizontalLayout name="page">
    <List name="tree" width="150" height="100" vscrollbar="true" indent="10" clickexpand="true"
          dbclickexpand="true" defaultelementheight="20">
      <ListElement name="a" text="A" />
      <ListElement name="a1" text="A1" level="1" expanded="true" />
      <ListElement name="a1x" text="A1x" level="2" />
      <ListElement name="a2" text="A2" level="1" />
      <ListElement name="b" text="B" expanded="true" />
      <ListElement name="b1" text="B1" level="1" />
      <ListElement name="b2" text="B2" level="1" visible="false" />
      <ListElement name="c" text="C" />
      <ListElement name="c1" text="C1" level="1" />
      <ListElement name="c2" text="C2" level="1" />
      <ListElement name="c3" text="C3" level="1" />
      <ListElement name="c4" text="C4" level="1" visible="false" />
    </List>
    <List name="dbl" width="100" dbclickexpand="true" defaultelementheight="20">
      <ListElement name="d" text="D" />
      <ListElement name="d1" text="D1" level="1" />
    </List>
  </HorizontalLayout>
</Window>)";

class ListTreeTest : public ListTabSkinTest {
 protected:
  void SetUp() override {
    ASSERT_NE(Build(kTreeSkin), nullptr);
    list_ = Named<YdList>(L"tree", kKindList);
    ASSERT_NE(list_, nullptr);
  }
  YdListElement* Row(const wchar_t* name) { return Named<YdListElement>(name, kKindListElement); }
  int Index(const wchar_t* name) { return list_->IndexOfChild(Row(name)); }
  // The names of the rows shown, top to bottom.
  std::vector<std::wstring> Shown() {
    std::vector<std::wstring> out;
    for (int i = 0; i < list_->ChildCount(); ++i) {
      if (list_->ChildAt(i)->IsVisible()) out.push_back(list_->ChildAt(i)->GetName());
    }
    return out;
  }
  YdList* list_ = nullptr;
};

TEST_F(ListTreeTest, LevelsFoldRowsAndIndentThem) {
  EXPECT_EQ(Row(L"a1x")->GetLevel(), 2);
  EXPECT_TRUE(Row(L"a1")->IsExpanded());
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"a", L"b", L"b1", L"c"}));
  // Folded rows are not hit: the row under y 50 is b1, placed after b.
  const RECT listPos = list_->GetPosition();
  EXPECT_EQ(manager_->ControlAtPoint({listPos.left + 60, listPos.top + 50}), Row(L"b1"));
  EXPECT_EQ(Row(L"b")->GetPosition().left, listPos.left);
  EXPECT_EQ(Row(L"b1")->GetPosition().left, listPos.left + 10);
  ASSERT_TRUE(list_->ExpandElement(Index(L"a"), true));
  Repaint();
  EXPECT_EQ(Row(L"a1x")->GetPosition().left, listPos.left + 20);
  EXPECT_EQ(Row(L"a1x")->GetPosition().top, listPos.top + 40);
  // Changing the indent moves the rows at the next layout.
  list_->ApplyAttribute(L"indent", L"4");
  Repaint();
  EXPECT_EQ(Row(L"a1x")->GetPosition().left, listPos.left + 8);
}

TEST_F(ListTreeTest, ClickTogglesAndNotifies) {
  YdListElement* a = Row(L"a");
  Click(a);
  EXPECT_TRUE(a->IsSelected());
  EXPECT_TRUE(a->IsExpanded());
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"a", L"a1", L"a1x", L"a2", L"b", L"b1", L"c"}));
  EXPECT_EQ(NotesOf(kNotifyListExpand), (std::vector<Pair>{{a, 1}}));
  Click(a);
  EXPECT_FALSE(a->IsExpanded());
  EXPECT_TRUE(a->IsSelected());
  EXPECT_EQ(NotesOf(kNotifyListExpand), (std::vector<Pair>{{a, 1}, {a, 0}}));
  // A row without children only selects.
  Click(Row(L"b1"));
  EXPECT_TRUE(Row(L"b1")->IsSelected());
  EXPECT_EQ(NotesOf(kNotifyListExpand).size(), 2u);
  // Expanding or collapsing to the present state does nothing.
  EXPECT_FALSE(list_->ExpandElement(Index(L"b"), true));
  EXPECT_FALSE(list_->ExpandElement(Index(L"b1"), true));
  EXPECT_EQ(NotesOf(kNotifyListExpand).size(), 2u);
}

TEST_F(ListTreeTest, DoubleClickTogglesOnce) {
  // A list with only "dbclickexpand": a double click expands, a single
  // click does not.
  YdListElement* d = Row(L"d");
  const RECT r = d->GetPosition();
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  Click(x, y);
  EXPECT_FALSE(d->IsExpanded());
  Down(x, y);
  Up(x, y);
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(x, y));
  Up(x, y);
  EXPECT_TRUE(d->IsExpanded());
  EXPECT_TRUE(Row(L"d1")->IsVisible());
  // With both keys: the first click expands, the double click collapses,
  // and the button-up ending it is not one more click expansion.
  notes_.clear();
  YdListElement* a = Row(L"a");
  const RECT ra = a->GetPosition();
  const int ax = (ra.left + ra.right) / 2, ay = (ra.top + ra.bottom) / 2;
  Down(ax, ay);
  Up(ax, ay);
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(ax, ay));
  Up(ax, ay);
  EXPECT_FALSE(a->IsExpanded());
  EXPECT_EQ(NotesOf(kNotifyListExpand), (std::vector<Pair>{{a, 1}, {a, 0}}));
}

TEST_F(ListTreeTest, RightAndLeftKeysWalkTheTree) {
  YdListElement *a = Row(L"a"), *a1 = Row(L"a1"), *a1x = Row(L"a1x");
  ASSERT_TRUE(list_->SelectElement(Index(L"a")));
  a->SetFocus();
  Key(VK_RIGHT);
  EXPECT_TRUE(a->IsExpanded());
  Key(VK_RIGHT);
  EXPECT_TRUE(a1->IsSelected());
  EXPECT_TRUE(a1->IsFocused());
  Key(VK_RIGHT);
  EXPECT_TRUE(a1x->IsSelected());
  Key(VK_RIGHT);  // a leaf: stays
  EXPECT_TRUE(a1x->IsSelected());
  Key(VK_LEFT);
  EXPECT_TRUE(a1->IsSelected());
  Key(VK_LEFT);
  EXPECT_FALSE(a1->IsExpanded());
  EXPECT_FALSE(a1x->IsVisible());
  Key(VK_LEFT);
  EXPECT_TRUE(a->IsSelected());
  Key(VK_LEFT);
  EXPECT_FALSE(a->IsExpanded());
  EXPECT_EQ(NotesOf(kNotifyListExpand), (std::vector<Pair>{{a, 1}, {a1, 0}, {a, 0}}));
  // Down skips the rows folded under a.
  Key(VK_DOWN);
  EXPECT_TRUE(Row(L"b")->IsSelected());
}

TEST_F(ListTreeTest, CollapsingMovesTheSelectionOutOfTheSubtree) {
  ASSERT_TRUE(list_->ExpandElement(Index(L"a"), true));
  Repaint();
  Click(Row(L"a1x"));
  ASSERT_TRUE(Row(L"a1x")->IsSelected());
  ASSERT_TRUE(list_->ExpandElement(Index(L"a"), false));
  EXPECT_TRUE(Row(L"a")->IsSelected());
  EXPECT_FALSE(Row(L"a1x")->IsSelected());
  EXPECT_EQ(list_->GetSelectedIndex(), Index(L"a"));
  // Collapsing a row that does not hold the selection leaves it alone.
  ASSERT_TRUE(list_->ExpandElement(Index(L"b"), false));
  EXPECT_TRUE(Row(L"a")->IsSelected());
  // A disabled row cannot take it: the folded row loses it all the same.
  ASSERT_TRUE(list_->ExpandElement(Index(L"a"), true));
  ASSERT_TRUE(list_->SelectElement(Index(L"a2")));
  Row(L"a")->SetEnabled(false);
  ASSERT_TRUE(list_->ExpandElement(Index(L"a"), false));
  EXPECT_FALSE(Row(L"a2")->IsSelected());
  EXPECT_EQ(list_->GetSelectedIndex(), -1);
}

TEST_F(ListTreeTest, ExpandingScrollsTheNewRowsIntoView) {
  EXPECT_EQ(list_->GetScrollPosition().cy, 0);
  ASSERT_TRUE(list_->ExpandElement(Index(L"c"), true));
  // Rows a, b, b1, c, c1..c3 are 140 pixels in a 100-pixel list: c3 ends
  // at the list's bottom (c4, hidden by its own key, is not scrolled to).
  const RECT listPos = list_->GetPosition();
  EXPECT_EQ(list_->GetScrollPosition().cy, 40);
  EXPECT_EQ(Row(L"c3")->GetPosition().bottom, listPos.bottom);
  EXPECT_EQ(Row(L"c")->GetPosition().top, listPos.top + 20);
  // Collapsing shrinks the range back.
  ASSERT_TRUE(list_->ExpandElement(Index(L"c"), false));
  Repaint();
  EXPECT_EQ(list_->GetScrollPosition().cy, 0);
}

TEST_F(ListTreeTest, OwnVisibilitySurvivesFolding) {
  EXPECT_FALSE(Row(L"b2")->IsVisible());
  ASSERT_TRUE(list_->ExpandElement(Index(L"b"), false));
  EXPECT_FALSE(Row(L"b1")->IsVisible());
  ASSERT_TRUE(list_->ExpandElement(Index(L"b"), true));
  EXPECT_TRUE(Row(L"b1")->IsVisible());
  EXPECT_FALSE(Row(L"b2")->IsVisible());
  // Shown by the program while folded: it appears once unfolded.
  ASSERT_TRUE(list_->ExpandElement(Index(L"b"), false));
  Row(L"b2")->SetVisible(true);
  EXPECT_FALSE(Row(L"b2")->IsVisible());
  ASSERT_TRUE(list_->ExpandElement(Index(L"b"), true));
  EXPECT_TRUE(Row(L"b2")->IsVisible());
}

TEST_F(ListTreeTest, RemovingARowRefoldsTheRest) {
  // Without a, nothing collapsed lies above a1 any more: it shows.
  YdListElement* a1 = Row(L"a1");
  ASSERT_FALSE(a1->IsVisible());
  ASSERT_TRUE(list_->RemoveChildAt(Index(L"a")));
  EXPECT_TRUE(a1->IsVisible());
  EXPECT_EQ(list_->Levels().front(), 1);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
