// option_test.cpp -- options in a real window: groups, notification 14 and
// its order, the control-key override, manual selection, the double-click
// rule, the setup's agreement check box that enables the install button,
// destruction leaving the group, and the selected painting rules.
#include "tests/ui/controls/basic/controls_fixture.h"
#include "ui/controls/basic/button.h"
#include "ui/controls/basic/option.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

using Pair = std::pair<YdControl*, WPARAM>;

class OptionTest : public ControlsTest {
 protected:
  void BuildGroup() {
    a_ = Placed(new YdOption, {10, 10, 30, 30}, 1);
    b_ = Placed(new YdOption, {50, 10, 70, 30}, 2);
    AttachTree({a_, b_});
    for (YdOption* o : {a_, b_}) {
      o->ApplyAttribute(L"notify", L"click");
      o->ApplyAttribute(L"group", L"1");
    }
    a_->ApplyAttribute(L"selected", L"true");
    Layout();
  }
  YdOption* a_ = nullptr;
  YdOption* b_ = nullptr;
};

TEST_F(OptionTest, SelectingOneClearsTheOthersOfItsGroup) {
  BuildGroup();
  ASSERT_NE(manager_->GetGroup(1), nullptr);
  EXPECT_EQ(manager_->GetGroup(1)->size(), 2u);
  Click(60, 20);
  EXPECT_TRUE(b_->IsSelected());
  EXPECT_FALSE(a_->IsSelected());
  // The click first, then the member that was cleared, then the new one.
  EXPECT_EQ(Types(), (std::vector<int>{kNotifyClick, kNotifySelectChanged, kNotifySelectChanged}));
  EXPECT_EQ(NotesOf(kNotifySelectChanged), (std::vector<Pair>{{a_, 0}, {b_, 1}}));
  EXPECT_EQ(NotesOf(kNotifyClick), (std::vector<Pair>{{b_, 0}}));
  EXPECT_EQ(a_->GetStateBits() & kStateSelected, 0);
  EXPECT_NE(b_->GetStateBits() & kStateSelected, 0);

  // Clicking the selected one again: still selected, only "click".
  notes_.clear();
  Click(60, 20);
  EXPECT_TRUE(b_->IsSelected());
  EXPECT_FALSE(a_->IsSelected());
  EXPECT_EQ(Types(), (std::vector<int>{kNotifyClick}));
}

TEST_F(OptionTest, WithoutGroupEachClickToggles) {
  auto* o = Placed(new YdOption, {10, 10, 30, 30}, 1);
  AttachTree({o});
  Layout();
  Click(20, 20);
  Click(20, 20);
  // No "click" in the notify mask: only the selection changes are raised.
  EXPECT_EQ(NotesOf(kNotifySelectChanged), (std::vector<Pair>{{o, 1}, {o, 0}}));
  EXPECT_EQ(NotesOf(kNotifyClick).size(), 0u);
  EXPECT_FALSE(o->IsSelected());
}

TEST_F(OptionTest, SelectedAttributeAppliesTheGroupRule) {
  BuildGroup();
  b_->ApplyAttribute(L"selected", L"true");
  EXPECT_FALSE(a_->IsSelected());
  EXPECT_EQ(NotesOf(kNotifySelectChanged), (std::vector<Pair>{{a_, 0}, {b_, 1}}));
  // Setting the same value again raises nothing.
  notes_.clear();
  b_->SetSelected(true);
  EXPECT_TRUE(notes_.empty());
  // Joining another group leaves the old list.
  b_->ApplyAttribute(L"group", L"2");
  EXPECT_EQ(manager_->GetGroup(1)->size(), 1u);
  ASSERT_NE(manager_->GetGroup(2), nullptr);
  EXPECT_EQ(manager_->GetGroup(2)->front(), b_);
  a_->SetSelected(true);
  EXPECT_TRUE(b_->IsSelected());  // no longer in a's group
}

TEST_F(OptionTest, ControlKeyOverrideTogglesAndLeavesTheGroupAlone) {
  BuildGroup();
  b_->ApplyAttribute(L"ctrldown", L"true");
  BYTE keys[256];
  ASSERT_TRUE(::GetKeyboardState(keys));
  BYTE held[256];
  memcpy(held, keys, sizeof(held));
  held[VK_CONTROL] = 0x80;
  ASSERT_TRUE(::SetKeyboardState(held));
  Click(60, 20);
  const bool bAfterFirst = b_->IsSelected();
  const bool aAfterFirst = a_->IsSelected();
  Click(60, 20);
  const bool bAfterSecond = b_->IsSelected();
  ::SetKeyboardState(keys);
  EXPECT_TRUE(bAfterFirst);
  EXPECT_TRUE(aAfterFirst);  // left alone
  EXPECT_FALSE(bAfterSecond);  // toggled off although grouped
  EXPECT_TRUE(a_->IsSelected());
  EXPECT_EQ(NotesOf(kNotifySelectChanged), (std::vector<Pair>{{b_, 1}, {b_, 0}}));
  // Without Ctrl held the override does not apply.
  notes_.clear();
  Click(60, 20);
  EXPECT_TRUE(b_->IsSelected());
  EXPECT_FALSE(a_->IsSelected());
}

TEST_F(OptionTest, ManualSelectionRaisesClickButNeverSelects) {
  BuildGroup();
  b_->ApplyAttribute(L"manualselected", L"true");
  Click(60, 20);
  Click(60, 20);
  EXPECT_FALSE(b_->IsSelected());
  EXPECT_TRUE(a_->IsSelected());
  EXPECT_EQ(NotesOf(kNotifyClick), (std::vector<Pair>{{b_, 0}, {b_, 0}}));
  EXPECT_TRUE(NotesOf(kNotifySelectChanged).empty());
}

TEST_F(OptionTest, DoubleClickGivesTwoClicksUnlessDbClick) {
  auto* check = Placed(new YdOption, {10, 10, 30, 30}, 1);
  auto* dbl = Placed(new YdOption, {50, 10, 70, 30}, 2);
  AttachTree({check, dbl});
  check->ApplyAttribute(L"notify", L"click");
  dbl->ApplyAttribute(L"notify", L"click");
  dbl->ApplyAttribute(L"dbclick", L"true");
  Layout();
  auto doubleClick = [this](int x, int y) {
    Send(WM_MOUSEMOVE, 0, PointParam(x, y));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
    Send(WM_LBUTTONUP, 0, PointParam(x, y));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(x, y));
    Send(WM_LBUTTONUP, 0, PointParam(x, y));
  };
  doubleClick(20, 20);
  EXPECT_EQ(NotesOf(kNotifyClick), (std::vector<Pair>{{check, 0}, {check, 0}}));
  EXPECT_EQ(NotesOf(kNotifySelectChanged), (std::vector<Pair>{{check, 1}, {check, 0}}));
  EXPECT_FALSE(check->IsSelected());
  notes_.clear();
  doubleClick(60, 20);
  EXPECT_EQ(NotesOf(kNotifyClick), (std::vector<Pair>{{dbl, 0}}));
  EXPECT_EQ(NotesOf(kNotifyLButtonDblClick), (std::vector<Pair>{{dbl, MK_LBUTTON}}));
  EXPECT_TRUE(dbl->IsSelected());
}

// The setup's agreement row: clearing check box 103 disables the install
// button 102, selecting it again enables it.
TEST_F(OptionTest, AgreementCheckBoxEnablesTheInstallButton) {
  auto* install = Placed(new YdButton, {10, 10, 150, 48}, 102);
  auto* agree = Placed(new YdOption, {10, 60, 22, 72}, 103);
  AttachTree({install, agree});
  install->ApplyAttribute(L"notify", L"click");
  agree->ApplyAttribute(L"selected", L"true");
  listener_.onNotify = [this](YdNotifyMsg& msg) {
    if (msg.type == kNotifySelectChanged && msg.sender->GetId() == 103) {
      manager_->ControlById(102)->SetEnabled(msg.wParam == 1);
    }
  };
  Layout();
  Click(16, 66);
  EXPECT_FALSE(agree->IsSelected());
  EXPECT_FALSE(install->IsEnabled());
  Click(50, 30);
  EXPECT_TRUE(NotesOf(kNotifyClick).empty());  // a disabled button gives no click
  Click(16, 66);
  EXPECT_TRUE(agree->IsSelected());
  EXPECT_TRUE(install->IsEnabled());
  Click(50, 30);
  EXPECT_EQ(NotesOf(kNotifyClick), (std::vector<Pair>{{install, 0}}));
  listener_.onNotify = nullptr;
}

TEST_F(OptionTest, DestructionLeavesTheGroup) {
  BuildGroup();
  auto* root = static_cast<TestContainer*>(manager_->GetRoot());
  root->Remove(b_);
  delete b_;
  ASSERT_NE(manager_->GetGroup(1), nullptr);
  EXPECT_EQ(*manager_->GetGroup(1), (std::vector<YdControl*>{a_}));
  a_->SetSelected(false);
  a_->SetSelected(true);  // walks the group: must not touch the deleted one
  EXPECT_TRUE(a_->IsSelected());
}

class OptionPaintTest : public ControlsTest {
 protected:
  static void SetUpTestSuite() {
    AddFileImage(L"opt_normal", MakeSolidImage(12, 12, 0xFFFF0000u, false));
    AddFileImage(L"opt_hot", MakeSolidImage(12, 12, 0xFF00FF00u, false));
    AddFileImage(L"opt_selected", MakeSolidImage(12, 12, 0xFF0000FFu, false));
    AddFileImage(L"opt_hotselected", MakeSolidImage(12, 12, 0xFFFFFF00u, false));
    AddFileImage(L"opt_disabledselected", MakeSolidImage(12, 12, 0xFF00FFFFu, false));
    AddFileImage(L"opt_pushed", MakeSolidImage(12, 12, 0xFFFF00FFu, false));
  }
  void Build(bool withHotSelected) {
    o_ = Placed(new YdOption, {10, 10, 22, 22}, 1);
    other_ = Placed(new YdOption, {100, 100, 112, 112}, 2);
    AttachTree({o_, other_});
    manager_->GetRoot()->ApplyAttribute(L"normalbkcolor", L"#FF808080");
    o_->ApplyAttribute(L"normalimage", L"opt_normal");
    o_->ApplyAttribute(L"hotimage", L"opt_hot");
    o_->ApplyAttribute(L"pushedimage", L"opt_pushed");
    o_->ApplyAttribute(L"selectedimage", L"opt_selected");
    if (withHotSelected) o_->ApplyAttribute(L"hotselectedimage", L"opt_hotselected");
    o_->ApplyAttribute(L"disabledselectedimage", L"opt_disabledselected");
    Layout();
  }
  void Hover() { Send(WM_MOUSEMOVE, 0, PointParam(15, 15)); }
  void Away() { Send(WM_MOUSEMOVE, 0, PointParam(105, 105)); }
  YdOption* o_ = nullptr;
  YdOption* other_ = nullptr;
};

TEST_F(OptionPaintTest, StateImagesFollowSelectionAndHover) {
  Build(true);
  EXPECT_EQ(Pixel(15, 15), 0xFF0000u);  // normal
  Hover();
  EXPECT_EQ(Pixel(15, 15), 0x00FF00u);  // hot
  // Pressed: an option never shows its pushed image.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(15, 15));
  EXPECT_EQ(Pixel(15, 15), 0x00FF00u);
  Send(WM_LBUTTONUP, 0, PointParam(15, 15));
  ASSERT_TRUE(o_->IsSelected());
  EXPECT_EQ(Pixel(15, 15), 0xFFFF00u);  // hot and selected
  Away();
  EXPECT_EQ(Pixel(15, 15), 0x0000FFu);  // selected
  o_->SetEnabled(false);
  EXPECT_EQ(o_->GetStateBits(), kStateSelected);  // keeps the selected bit
  EXPECT_EQ(Pixel(15, 15), 0x00FFFFu);            // disabled and selected
}

TEST_F(OptionPaintTest, HotSelectedWithoutItsImageShowsNoForeground) {
  Build(false);
  o_->SetSelected(true);
  Hover();
  EXPECT_EQ(Pixel(15, 15), 0x808080u);  // only the parent's background
  Away();
  EXPECT_EQ(Pixel(15, 15), 0x0000FFu);
}

TEST_F(OptionPaintTest, BrokenHotSelectedImageIsCleared) {
  Build(false);
  o_->ApplyAttribute(L"hotselectedimage", L"no_such_image");
  o_->SetSelected(true);
  Hover();
  EXPECT_EQ(Pixel(15, 15), 0x808080u);
  EXPECT_TRUE(o_->GetHotSelectedImage().empty());
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
