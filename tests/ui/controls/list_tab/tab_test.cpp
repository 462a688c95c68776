// tab_test.cpp -- the tab control and its items: the "group" and "item"
// keys reaching items added before and after, the items' own keys winning
// over "item", kinds, and a click on a tab showing its page and hiding the
// others (with notification 14 from both tabs), in a group and without one.
#include "tests/ui/controls/list_tab/skin_fixture.h"
#include "ui/controls/list_tab/tab_ctrl.h"
#include "ui/controls/list_tab/tab_item.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

const wchar_t kTabSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page">
    <TabCtrl name="tabs" height="20" layouttype="1" group="5" item='width="60" notify="click"'>
      <TabItem name="one" controlid="11" selected="true" showicon="true" iconattr='pos="0,0,8,8"' disableswap="true" />
      <TabItem name="two" controlid="12" width="80" textattr='align="left"' />
      <TabItem name="three" controlid="13" />
    </TabCtrl>
    <Container name="p1" id="11" height="40" />
    <Container name="p2" id="12" height="40" />
    <Container name="p3" id="13" height="40" />
    <HorizontalLayout name="loose" height="20">
      <TabItem name="a" width="40" controlid="21" />
      <TabItem name="b" width="40" controlid="22" />
    </HorizontalLayout>
    <Container name="pa" id="21" height="20" />
    <Container name="pb" id="22" height="20" />
    <HorizontalLayout name="parts" height="20">
      <TabItem name="deco" width="60" showicon="true" iconattr='pos="2,2,10,10" normalbkcolor="#FFFF0000"'
               entershowexpand="true" expandattr='pos="40,0,60,20" normalbkcolor="#FF0000FF"'
               showselectedexpand="true" selectedexpandattr='pos="40,0,60,20" normalbkcolor="#FF00FF00"'
               normalbkcolor="#FFFFFFFF" selectedbkcolor="#FFFFFFFF" hotbkcolor="#FFFFFFFF" />
    </HorizontalLayout>
  </VerticalLayout>
</Window>)";

class TabTest : public ListTabSkinTest {
 protected:
  void SetUp() override {
    ASSERT_NE(Build(kTabSkin), nullptr);
    tabs_ = Named<YdTabCtrl>(L"tabs", kKindTabCtrl);
    one_ = Named<YdTabItem>(L"one", kKindTabItem);
    two_ = Named<YdTabItem>(L"two", kKindTabItem);
    three_ = Named<YdTabItem>(L"three", kKindTabItem);
    ASSERT_TRUE(tabs_ && one_ && two_ && three_);
  }
  bool Shown(const wchar_t* name) { return manager_->ControlByName(name)->IsVisible(); }
  YdTabCtrl* tabs_ = nullptr;
  YdTabItem *one_ = nullptr, *two_ = nullptr, *three_ = nullptr;
};

TEST_F(TabTest, KindsAndKeys) {
  EXPECT_EQ(tabs_->GetKind(), 13);
  EXPECT_EQ(Answers(tabs_, AllKinds()), (std::vector<int>{1, 4, 13}));
  EXPECT_EQ(one_->GetKind(), 14);
  // An option answers the button's and, through it, the label's and the
  // container's codes.
  EXPECT_EQ(Answers(one_, AllKinds()), (std::vector<int>{1, 4, 5, 6, 9, 14}));
  // "group" and "item" came after the items were built and still reached them.
  EXPECT_EQ(tabs_->GetGroup(), 5);
  for (YdTabItem* t : {one_, two_, three_}) EXPECT_EQ(t->GetGroup(), 5);
  ASSERT_NE(manager_->GetGroup(5), nullptr);
  EXPECT_EQ(manager_->GetGroup(5)->size(), 3u);
  EXPECT_EQ(one_->GetFixedWidth(), 60);
  EXPECT_EQ(two_->GetFixedWidth(), 80);  // own key over the "item" list
  EXPECT_EQ(one_->GetPageId(), 11);
  EXPECT_TRUE(one_->IsShowIcon());
  EXPECT_FALSE(two_->IsShowIcon());
  EXPECT_TRUE(one_->IsSwapDisabled());
  EXPECT_EQ(one_->GetIconAttributes(), L"pos=\"0,0,8,8\"");
  EXPECT_EQ(two_->GetTextAttributes(), L"align=\"left\"");
  EXPECT_EQ(one_->GetPage(), manager_->ControlByName(L"p1"));
}

TEST_F(TabTest, SelectedTabShowsItsPageOnlyFromTheStart) {
  EXPECT_TRUE(one_->IsSelected());
  EXPECT_TRUE(Shown(L"p1"));
  EXPECT_FALSE(Shown(L"p2"));
  EXPECT_FALSE(Shown(L"p3"));
}

TEST_F(TabTest, ClickingATabSelectsItsPage) {
  Click(two_);
  EXPECT_TRUE(two_->IsSelected());
  EXPECT_FALSE(one_->IsSelected());
  EXPECT_FALSE(Shown(L"p1"));
  EXPECT_TRUE(Shown(L"p2"));
  EXPECT_FALSE(Shown(L"p3"));
  EXPECT_EQ(NotesOf(kNotifySelectChanged), (std::vector<Pair>{{one_, 0}, {two_, 1}}));
  EXPECT_EQ(NotesOf(kNotifyClick), (std::vector<Pair>{{two_, 0}}));  // "notify" from the item list
  // The shown page gets laid out where the hidden one was.
  Repaint();
  EXPECT_EQ(manager_->ControlByName(L"p2")->GetPosition().top, 20);

  Click(three_);
  EXPECT_FALSE(Shown(L"p2"));
  EXPECT_TRUE(Shown(L"p3"));
  // Clicking the selected tab again keeps it and its page.
  Click(three_);
  EXPECT_TRUE(three_->IsSelected());
  EXPECT_TRUE(Shown(L"p3"));
}

TEST_F(TabTest, TheSelectionIsAnnouncedWithTheNewPageAlreadyShown) {
  std::vector<std::pair<bool, bool>> seen;  // p1 and p2 shown when "two" announces its selection
  listener_.onNotify = [&](YdNotifyMsg& msg) {
    if (msg.type == kNotifySelectChanged && msg.sender == two_ && msg.wParam == 1) {
      seen.emplace_back(Shown(L"p1"), Shown(L"p2"));
    }
  };
  Click(two_);
  listener_.onNotify = nullptr;
  EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{false, true}}));
}

TEST_F(TabTest, TabsWithoutGroupHideTheirSiblingsPages) {
  auto* a = Named<YdTabItem>(L"a", kKindTabItem);
  auto* b = Named<YdTabItem>(L"b", kKindTabItem);
  ASSERT_TRUE(a && b);
  EXPECT_TRUE(Shown(L"pa"));  // nothing selected yet: pages as the skin made them
  Click(b);
  EXPECT_TRUE(b->IsSelected());
  EXPECT_TRUE(Shown(L"pb"));
  EXPECT_FALSE(Shown(L"pa"));
  Click(a);
  EXPECT_TRUE(Shown(L"pa"));
  EXPECT_FALSE(Shown(L"pb"));
  // Ungrouped, a second click clears the tab like a check box: its page goes.
  Click(a);
  EXPECT_FALSE(a->IsSelected());
  EXPECT_FALSE(Shown(L"pa"));
}

TEST_F(TabTest, IconAndExpandPartsPaintInTheirStates) {
  auto* deco = Named<YdTabItem>(L"deco", kKindTabItem);
  ASSERT_NE(deco, nullptr);
  ASSERT_NE(deco->GetIconPart(), nullptr);
  const RECT r = deco->GetPosition();
  EXPECT_EQ(Pixel(r.left + 5, r.top + 5), 0xFF0000u);    // the icon
  EXPECT_EQ(Pixel(r.left + 50, r.top + 10), 0xFFFFFFu);  // no expand part yet
  Move(r.left + 30, r.top + 10, false);                  // hot: the expand part
  EXPECT_EQ(deco->ShownExpandPart(), deco->GetExpandPart());
  EXPECT_EQ(Pixel(r.left + 50, r.top + 10), 0x0000FFu);
  Up(r.left + 30, r.top + 10);
  Click(r.left + 30, r.top + 10);                        // selected: the selected one
  ASSERT_TRUE(deco->IsSelected());
  EXPECT_EQ(Pixel(r.left + 50, r.top + 10), 0x00FF00u);
  deco->ApplyAttribute(L"showicon", L"false");
  EXPECT_EQ(Pixel(r.left + 5, r.top + 5), 0xFFFFFFu);
}

TEST_F(TabTest, ItemsAddedLaterJoinTheGroupAndGetTheItemList) {
  auto* four = new YdTabItem;
  four->ApplyAttribute(L"controlid", L"12");
  ASSERT_TRUE(tabs_->AddChild(four));
  EXPECT_EQ(four->GetGroup(), 5);
  EXPECT_EQ(four->GetFixedWidth(), 60);
  four->SetSelected(true);
  EXPECT_FALSE(one_->IsSelected());
  EXPECT_TRUE(Shown(L"p2"));
  EXPECT_FALSE(Shown(L"p1"));
  // A key the item was given itself before joining is not undone by "item".
  auto* five = new YdTabItem;
  five->ApplyAttribute(L"width", L"90");
  ASSERT_TRUE(tabs_->AddChild(five));
  EXPECT_EQ(five->GetFixedWidth(), 90);
  EXPECT_TRUE(five->IsNotifyEnabled(kNotifyClick));
  // A non-tab child is left alone.
  auto* plain = new YdControl;
  ASSERT_TRUE(tabs_->InsertChild(plain, 0));
  EXPECT_EQ(plain->GetFixedWidth(), 0);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
