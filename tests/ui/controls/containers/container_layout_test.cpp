// Layout geometry of the container classes on trees built in code and not
// attached to a window: the linear layouts' stretch shares and remainders,
// paddings, float placement, hidden children, scroll bars appearing and
// disappearing, the grid, automatic minimum sizes and the child list.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/controls/containers/container.h"
#include "ui/controls/containers/grid_layout.h"
#include "ui/controls/containers/linear_layouts.h"
#include "ui/controls/containers/scrollbar.h"
#include "ui/control/control_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// A control configured through its attributes, as the skin would.
YdControl* Make(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> attributes,
                YdControl* control = nullptr) {
  if (control == nullptr) control = new YdControl;
  for (const auto& a : attributes) control->ApplyAttribute(a.first, a.second);
  return control;
}

RECT Pos(const YdControl* c) { return c->GetPosition(); }

#define EXPECT_RECT(c, l, t, r, b)                 \
  do {                                             \
    const RECT rc_ = Pos(c);                       \
    EXPECT_EQ(rc_.left, l);                        \
    EXPECT_EQ(rc_.top, t);                         \
    EXPECT_EQ(rc_.right, r);                       \
    EXPECT_EQ(rc_.bottom, b);                      \
  } while (0)

TEST(VerticalLayout, StretchChildGetsTheRestAndNeverANegativeHeight) {
  YdVerticalLayout v;
  YdControl* a = Make({{L"padding", L"0,215,0,0"}, {L"height", L"38"}});
  YdControl* b = Make({{L"padding", L"0,8,0,0"}, {L"height", L"16"}});
  YdControl* stretch = Make({});
  v.AddChild(a);
  v.AddChild(b);
  v.AddChild(stretch);
  v.SetPosition({0, 0, 500, 280});
  EXPECT_RECT(a, 0, 215, 500, 253);
  EXPECT_RECT(b, 0, 261, 500, 277);
  EXPECT_RECT(stretch, 0, 277, 500, 280);   // 280 - (215 + 38 + 8 + 16) = 3

  v.ApplyAttribute(L"childpadding", L"5");
  v.SetPosition({0, 0, 500, 280});
  EXPECT_EQ(Pos(stretch).bottom - Pos(stretch).top, 0);
  EXPECT_GE(Pos(stretch).top, 277);
}

TEST(VerticalLayout, ButtonRowAndFloatFromTheWizardPage) {
  YdVerticalLayout v;
  YdControl* button = Make({{L"padding", L"180,215,0,0"}, {L"width", L"140"}, {L"height", L"38"}});
  auto* row = new YdHorizontalLayout;
  Make({{L"padding", L"0,8,0,0"}}, row);
  YdControl* closer = Make({{L"float", L"true"}, {L"pos", L"475,0,25,25"}, {L"width", L"25"}, {L"height", L"25"}});
  v.AddChild(button);
  v.AddChild(row);
  v.AddChild(closer);
  v.SetPosition({0, 0, 500, 280});
  EXPECT_RECT(button, 180, 215, 320, 253);
  EXPECT_RECT(row, 0, 261, 500, 280);   // 19 pixels; the float does not count
  EXPECT_RECT(closer, 475, 0, 500, 25);
}

TEST(VerticalLayout, LeftPaddingNarrowsAChildWithoutWidth) {
  YdVerticalLayout v;
  YdControl* c = Make({{L"padding", L"180,0,0,0"}, {L"height", L"20"}});
  v.AddChild(c);
  v.SetPosition({0, 0, 500, 100});
  EXPECT_EQ(Pos(c).right - Pos(c).left, 320);
  EXPECT_EQ(Pos(c).left, 180);
}

TEST(HorizontalLayout, ThreeStretchChildrenShareAndTheLastTakesTheRemainder) {
  YdHorizontalLayout h;
  YdControl* c[3];
  for (auto*& x : c) h.AddChild(x = Make({}));
  h.SetPosition({10, 0, 110, 40});
  EXPECT_RECT(c[0], 10, 0, 43, 40);
  EXPECT_RECT(c[1], 43, 0, 76, 40);
  EXPECT_RECT(c[2], 76, 0, 110, 40);
}

TEST(LinearLayouts, HiddenChildrenTakeNoSpaceAndNoChildPadding) {
  YdHorizontalLayout h;
  h.ApplyAttribute(L"childpadding", L"10");
  YdControl* a = Make({{L"width", L"20"}});
  YdControl* hidden = Make({{L"width", L"30"}, {L"visible", L"false"}});
  YdControl* b = Make({{L"width", L"20"}});
  h.AddChild(a);
  h.AddChild(hidden);
  h.AddChild(b);
  h.SetPosition({0, 0, 200, 30});
  EXPECT_RECT(a, 0, 0, 20, 30);
  EXPECT_RECT(b, 30, 0, 50, 30);   // one gap of 10, none for the hidden child
  hidden->SetVisible(true);
  h.SetPosition({0, 0, 200, 30});
  EXPECT_RECT(hidden, 30, 0, 60, 30);
  EXPECT_RECT(b, 70, 0, 90, 30);
}

TEST(Container, OverlayFillsTheContentAreaInsideTheInset) {
  YdContainer c;
  c.ApplyAttribute(L"inset", L"5,6,7,8");
  YdControl* a = Make({});
  YdControl* b = Make({{L"width", L"10"}, {L"height", L"10"}});
  c.AddChild(a);
  c.AddChild(b);
  c.SetPosition({100, 100, 200, 150});
  EXPECT_RECT(a, 105, 106, 193, 142);
  EXPECT_RECT(b, 105, 106, 115, 116);
  EXPECT_EQ(c.GetKind(), kKindContainer);
  EXPECT_EQ(c.QueryKind(4), &c);
  EXPECT_EQ(c.QueryKind(1), &c);
  EXPECT_EQ(c.QueryKind(11), nullptr);
}

TEST(VerticalLayout, ScrollBarAppearsWithRange100AndHidesAgainWhenTheContentFits) {
  YdVerticalLayout v;
  v.ApplyAttribute(L"vscrollbar", L"true");
  YdScrollbar* bar = v.GetVerticalScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(bar->IsVisible());
  YdControl* a = Make({{L"height", L"250"}});
  YdControl* b = Make({{L"height", L"150"}});
  v.AddChild(a);
  v.AddChild(b);
  v.SetPosition({0, 0, 200, 300});
  EXPECT_TRUE(bar->IsVisible());
  EXPECT_EQ(bar->GetBarRange(), 100);
  EXPECT_EQ(bar->GetBarPosition(), 0);
  EXPECT_RECT(bar, 184, 0, 200, 300);
  EXPECT_EQ(Pos(a).right, 184);   // content narrowed by the bar
  EXPECT_EQ(v.GetScrollRange().cy, 100);

  v.SetScrollPosition({0, 40});
  EXPECT_EQ(bar->GetBarPosition(), 40);
  EXPECT_EQ(Pos(a).top, -40);
  EXPECT_EQ(Pos(b).top, 210);

  v.SetPosition({0, 0, 200, 400});
  EXPECT_FALSE(bar->IsVisible());
  EXPECT_EQ(bar->GetBarRange(), 0);
  EXPECT_EQ(bar->GetBarPosition(), 0);
  EXPECT_RECT(a, 0, 0, 200, 250);
  EXPECT_EQ(v.GetScrollPosition().cy, 0);
}

TEST(VerticalLayout, ScrollOperationsMoveByLinePageAndEnds) {
  YdVerticalLayout v;
  v.ApplyAttribute(L"vscrollbar", L"true");
  v.ApplyAttribute(L"inset", L"0,10,0,10");
  YdControl* a = Make({{L"height", L"500"}});
  v.AddChild(a);
  v.SetPosition({0, 0, 100, 220});   // 200 of content, range 300
  ASSERT_EQ(v.GetScrollRange().cy, 300);
  v.LineDown();
  EXPECT_EQ(v.GetScrollPosition().cy, 8);
  EXPECT_EQ(Pos(a).top, 2);
  v.PageDown();
  EXPECT_EQ(v.GetScrollPosition().cy, 208);   // height 220 - inset 20
  v.PageDown();
  EXPECT_EQ(v.GetScrollPosition().cy, 300);   // clamped to the range
  v.LineUp();
  EXPECT_EQ(v.GetScrollPosition().cy, 292);
  v.HomeUp();
  EXPECT_EQ(v.GetScrollPosition().cy, 0);
  EXPECT_EQ(Pos(a).top, 10);
  v.EndDown();
  EXPECT_EQ(v.GetScrollPosition().cy, 300);
  EXPECT_EQ(Pos(a).top, -290);
}

TEST(HorizontalLayout, HorizontalBarScrollsTheRow) {
  YdHorizontalLayout h;
  h.ApplyAttribute(L"hscrollbar", L"true");
  YdScrollbar* bar = h.GetHorizontalScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->IsHorizontal());
  YdControl* a = Make({{L"width", L"150"}});
  YdControl* b = Make({{L"width", L"150"}});
  h.AddChild(a);
  h.AddChild(b);
  h.SetPosition({0, 0, 200, 100});
  EXPECT_TRUE(bar->IsVisible());
  EXPECT_EQ(bar->GetBarRange(), 100);
  EXPECT_RECT(bar, 0, 84, 200, 100);
  h.LineRight();
  EXPECT_EQ(h.GetScrollPosition().cx, 8);
  EXPECT_EQ(Pos(b).left, 142);
  h.EndRight();
  EXPECT_EQ(h.GetScrollPosition().cx, 100);
  h.HomeLeft();
  EXPECT_EQ(Pos(a).left, 0);
}

TEST(Container, ScrollBarStyleAppliesOnlyWhenGivenBeforeTheBarExists) {
  YdVerticalLayout late;
  late.ApplyAttribute(L"vscrollbar", L"true");
  late.ApplyAttribute(L"vscrollbarstyle", L"linesize=\"20\"");
  EXPECT_EQ(late.GetVerticalScrollBar()->GetLineSize(), 8);
  EXPECT_EQ(late.GetVerticalScrollBarStyle(), L"linesize=\"20\"");

  YdVerticalLayout early;
  early.ApplyAttribute(L"vscrollbarstyle", L"linesize=\"20\"");
  ASSERT_NE(early.GetVerticalScrollBar(), nullptr);
  EXPECT_EQ(early.GetVerticalScrollBar()->GetLineSize(), 20);

  early.ApplyAttribute(L"vscrollbar", L"false");
  EXPECT_EQ(early.GetVerticalScrollBar(), nullptr);
}

TEST(GridLayout, SevenChildrenInThreeColumnsUseThreeRows) {
  YdGridLayout g;
  g.ApplyAttribute(L"column", L"3");
  g.ApplyAttribute(L"gridheight", L"20");
  g.ApplyAttribute(L"vscrollbar", L"true");
  YdControl* c[7];
  for (auto*& x : c) g.AddChild(x = Make({{L"width", L"5"}, {L"padding", L"1,1,1,1"}}));
  g.SetPosition({0, 0, 90, 100});
  EXPECT_RECT(c[0], 0, 0, 30, 20);   // own size and padding ignored
  EXPECT_RECT(c[2], 60, 0, 90, 20);
  EXPECT_RECT(c[3], 0, 20, 30, 40);
  EXPECT_RECT(c[6], 0, 40, 30, 60);
  EXPECT_FALSE(g.GetVerticalScrollBar()->IsVisible());   // 3 rows x 20 fit in 100
  g.SetPosition({0, 0, 90, 50});
  EXPECT_TRUE(g.GetVerticalScrollBar()->IsVisible());
  EXPECT_EQ(g.GetScrollRange().cy, 10);
}

TEST(Container, AutoMinSizesComeFromTheContent) {
  YdHorizontalLayout row;
  row.ApplyAttribute(L"autominwidth", L"true");
  row.ApplyAttribute(L"autominheight", L"true");
  row.ApplyAttribute(L"inset", L"2,3,4,5");
  row.ApplyAttribute(L"childpadding", L"6");
  row.AddChild(Make({{L"width", L"10"}, {L"height", L"7"}}));
  row.AddChild(Make({{L"width", L"20"}, {L"height", L"9"}, {L"padding", L"1,0,1,0"}}));
  const SIZE s = row.MeasureSize(SIZE{500, 500});
  EXPECT_EQ(s.cx, 2 + 10 + 6 + 1 + 20 + 1 + 4);
  EXPECT_EQ(s.cy, 3 + 9 + 5);
  EXPECT_EQ(row.GetMinWidth(), s.cx);
  // Inside a vertical layout the row is as tall as its content.
  YdVerticalLayout v;
  auto* inner = new YdHorizontalLayout;
  inner->ApplyAttribute(L"autominheight", L"true");
  inner->AddChild(Make({{L"width", L"10"}, {L"height", L"33"}}));
  v.AddChild(inner);
  v.AddChild(Make({}));
  v.SetPosition({0, 0, 100, 100});
  EXPECT_EQ(Pos(inner).bottom, 33);
}

TEST(Container, ChildListOperations) {
  YdContainer c;
  EXPECT_FALSE(c.AddChild(nullptr));
  EXPECT_FALSE(c.InsertChild(nullptr, 0));
  YdControl* a = Make({{L"name", L"a"}});
  YdControl* b = Make({{L"name", L"b"}});
  YdControl* d = Make({{L"name", L"d"}});
  EXPECT_TRUE(c.AddChild(a));
  EXPECT_TRUE(c.InsertChild(b, -3));    // front
  EXPECT_TRUE(c.InsertChild(d, 1));     // before a
  ASSERT_EQ(c.ChildCount(), 3);
  EXPECT_EQ(c.ChildAt(0), b);
  EXPECT_EQ(c.ChildAt(1), d);
  EXPECT_EQ(c.ChildAt(2), a);
  EXPECT_EQ(c.ChildAt(3), nullptr);
  EXPECT_EQ(c.ChildAt(-1), nullptr);
  EXPECT_EQ(a->GetParent(), &c);
  EXPECT_TRUE(c.MoveChild(b, 99));
  EXPECT_EQ(c.IndexOfChild(b), 2);
  YdControl stranger;
  EXPECT_EQ(c.IndexOfChild(&stranger), -1);
  EXPECT_FALSE(c.MoveChild(&stranger, 0));
  EXPECT_FALSE(c.RemoveChild(&stranger));
  YdControl spare;
  EXPECT_FALSE(c.ReplaceChildAt(5, &spare));   // refused, and not adopted
  EXPECT_EQ(spare.GetParent(), nullptr);
  // Replacing destroys the old child under auto-destroy and adopts the new.
  YdControl* e = Make({{L"name", L"e"}});
  EXPECT_TRUE(c.ReplaceChildAt(2, e));
  EXPECT_EQ(c.ChildAt(2), e);
  EXPECT_EQ(e->GetParent(), &c);
  // Without auto-destroy a removed child lives on and loses its parent.
  c.SetAutoDestroy(false);
  EXPECT_TRUE(c.RemoveChild(d));
  EXPECT_EQ(d->GetParent(), nullptr);
  EXPECT_EQ(c.ChildCount(), 2);
  delete d;
  c.SetAutoDestroy(true);
  EXPECT_TRUE(c.RemoveChildAt(0));
  EXPECT_FALSE(c.RemoveChildAt(7));
  EXPECT_EQ(c.ChildCount(), 1);
}

TEST(Container, HitTestSearchesChildrenTopmostFirstAndSkipsTheInset) {
  YdContainer c;
  c.ApplyAttribute(L"inset", L"10,10,10,10");
  YdControl* under = Make({{L"name", L"under"}});
  YdControl* over = Make({{L"name", L"over"}});
  c.AddChild(under);
  c.AddChild(over);
  c.SetPosition({0, 0, 100, 100});
  auto hit = [](YdControl* x, void*) -> YdControl* { return x; };
  POINT inside{50, 50};
  EXPECT_EQ(c.FindMatching(hit, &inside, kFindAtPoint), over);
  EXPECT_EQ(c.FindMatching(hit, &inside, kFindVisible | kFindHitTest), under);
  POINT inset{5, 5};
  EXPECT_EQ(c.FindMatching(hit, &inset, kFindAtPoint), &c);
  POINT outside{150, 5};
  EXPECT_EQ(c.FindMatching(hit, &outside, kFindAtPoint), nullptr);
  over->SetVisible(false);
  EXPECT_EQ(c.FindMatching(hit, &inside, kFindAtPoint), under);
}

class CountingControl : public YdControl {
 public:
  SIZE MeasureSize(SIZE available) override {
    ++measured;
    return YdControl::MeasureSize(available);
  }
  int measured = 0;
};

TEST(LinearLayouts, APassMeasuresEachFlowingChildTwiceAndScrollingDoesNotLayOut) {
  YdVerticalLayout v;
  v.ApplyAttribute(L"vscrollbar", L"true");
  CountingControl* c[3];
  for (auto*& x : c) {
    x = new CountingControl;
    x->ApplyAttribute(L"height", L"40");
    v.AddChild(x);
  }
  v.SetPosition({0, 0, 100, 200});   // 120 rows fit: no bar, one pass
  for (auto* x : c) EXPECT_EQ(x->measured, 2);
  v.SetPosition({0, 0, 100, 100});   // the bar appears: the layout runs again
  for (auto* x : c) EXPECT_EQ(x->measured, 6);
  v.LineDown();                      // moves children, one size query each
  for (auto* x : c) EXPECT_EQ(x->measured, 7);
  EXPECT_EQ(c[0]->GetPosition().top, -8);
}

TEST(ContainerOwnership, AControlHasOneOwnerAndTheTreeNoLoop) {
  struct Counted : YdControl {
    explicit Counted(int* n) : n_(n) {}
    ~Counted() override { ++*n_; }
    int* n_;
  };
  int destroyed = 0;
  auto* child = new Counted(&destroyed);
  {
    YdVerticalLayout first, second;
    ASSERT_TRUE(first.AddChild(child));
    EXPECT_FALSE(second.AddChild(child));  // the first container holds it
    EXPECT_FALSE(second.InsertChild(child, 0));
    EXPECT_FALSE(first.AddChild(child));  // already a child here
    EXPECT_FALSE(first.AddChild(&first));
    auto* inner = new YdVerticalLayout;
    ASSERT_TRUE(second.AddChild(inner));
    EXPECT_FALSE(inner->AddChild(&second));  // a container above it
    EXPECT_FALSE(second.ReplaceChildAt(0, child));
    EXPECT_EQ(second.ChildAt(0), inner);
    // Replacing a child with itself keeps it.
    EXPECT_TRUE(first.ReplaceChildAt(0, first.ChildAt(0)));
    EXPECT_EQ(first.ChildAt(0), child);
    EXPECT_EQ(child->GetParent(), &first);
    EXPECT_EQ(first.ChildCount(), 1);
  }
  EXPECT_EQ(destroyed, 1);
  // A child taken out of its container (auto-destroy off) may join another.
  YdVerticalLayout lender, borrower;
  lender.SetAutoDestroy(false);
  auto* lent = new YdControl;
  ASSERT_TRUE(lender.AddChild(lent));
  ASSERT_TRUE(lender.RemoveChild(lent));
  EXPECT_TRUE(borrower.AddChild(lent));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
