// combo_test.cpp -- the drop-down from a literal skin: factory names, kind
// codes and QueryKind answers, its own attribute keys, the drop box popup
// that holds the entries while open, choosing an entry (notification 25),
// closing without a choice, keyboard and wheel stepping, the keys inside
// the open box, the read-only combo and the buddy layout.
#include "tests/ui/controls/popup/skin_window_fixture.h"
#include "ui/controls/popup/advert.h"
#include "ui/controls/popup/banner.h"
#include "ui/controls/popup/combo.h"
#include "ui/controls/popup/combo_parts.h"
#include "ui/controls/popup/combo_wnd.h"
#include "ui/control/control_factory.h"
#include "ui/controls/basic/option.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST(PopupControlsFactory, ElementNamesMakeTheirClassesWithTheirKinds) {
  RegisterPopupControls();
  RegisterPopupControls();  // again: harmless
  const struct {
    const wchar_t* name;
    int kind;
    std::vector<int> answers;
    std::vector<int> refused;
  } expected[] = {
      {L"Combo", 16, {16, 4, 1}, {9, 17, 28}},
      {L"ComboElement", 17, {17, 9, 5, 6, 1}, {16, 28}},
      {L"ComboBuddy", 4, {4, 1}, {16}},
      {L"Banner", 28, {28, 4, 1}, {21}},
      {L"Advert", 21, {21, 4, 1}, {28}},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(std::string(e.name, e.name + wcslen(e.name)));
    std::unique_ptr<YdControl> c(CreateRegisteredControl(e.name));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetKind(), e.kind);
    for (int k : e.answers) EXPECT_EQ(c->QueryKind(k), c.get()) << k;
    for (int k : e.refused) EXPECT_EQ(c->QueryKind(k), nullptr) << k;
  }
  // Made by their owners, not by element name.
  EXPECT_FALSE(IsControlClassRegistered(L"ComboSpace"));
  EXPECT_FALSE(IsControlClassRegistered(L"BannerItem"));
  YdComboSpace space;
  EXPECT_EQ(space.GetKind(), 18);
  EXPECT_EQ(space.QueryKind(18), &space);
  EXPECT_EQ(space.QueryKind(1), &space);
  EXPECT_EQ(space.QueryKind(17), nullptr);
}

const wchar_t kComboSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page">
    <Combo name="pick" id="40" height="24" width="120" dropboxsize="0,0" defaultelementheight="20"
           dropbox="normalbkcolor=&quot;#FFFFFFFF&quot;" readonly="false" dropboxautoheight="true"
           dropboxspace="0,2,0,0" layout="vertical" text="none">
      <ComboElement name="red" text="Red" />
      <ComboElement name="green" text="Green" selected="true" />
      <ComboElement name="blue" text="Blue" enabled="false" />
      <ComboElement name="cyan" text="Cyan" />
    </Combo>
    <ComboBuddy name="buddy" comboId="40" height="30" width="80">
      <Label name="face" text="open" />
    </ComboBuddy>
  </VerticalLayout>
</Window>)";

class ComboTest : public PopupSkinTest {
 protected:
  void SetUp() override {
    ASSERT_NE(Build(kComboSkin), nullptr);
    combo_ = Named<YdCombo>(L"pick", kKindCombo);
    ASSERT_NE(combo_, nullptr);
    for (const wchar_t* n : {L"red", L"green", L"blue", L"cyan"}) {
      entries_.push_back(Named<YdComboElement>(n, kKindComboElement));
      ASSERT_NE(entries_.back(), nullptr);
    }
  }
  void TearDown() override {
    if (combo_ != nullptr) combo_->CloseDropBox();
    PopupSkinTest::TearDown();
  }
  YdCombo* combo_ = nullptr;
  std::vector<YdComboElement*> entries_;
};

TEST_F(ComboTest, OwnKeysAreAppliedAndTheSkinsSelectedEntryIsTheChoice) {
  EXPECT_EQ(combo_->GetId(), 40);
  EXPECT_EQ(combo_->GetDefaultElementHeight(), 20);
  EXPECT_FALSE(combo_->IsReadOnly());
  EXPECT_TRUE(combo_->IsVerticalDropBox());
  EXPECT_EQ(combo_->GetDropBoxAttributes(), L"normalbkcolor=\"#FFFFFFFF\"");
  EXPECT_EQ(combo_->ChildCount(), 4);
  EXPECT_EQ(combo_->GetCurSel(), 1);
  EXPECT_EQ(combo_->GetText(), L"Green");
  // Base keys still reach the container.
  EXPECT_EQ(combo_->GetFixedWidth(), 120);
  // Closed, a click on the combo's face is the combo's, not an entry's.
  EXPECT_EQ(manager_->ControlAtPoint(Centre(combo_)), combo_);
}

TEST_F(ComboTest, ClickOpensTheDropBoxAndChoosingAnEntryClosesItAndReports) {
  manager_->Fonts().SetDefaultFont(manager_->AddFont(L"skin", L"Tahoma", 17, false, false, false));
  Click(hwnd(), Centre(combo_));
  ASSERT_TRUE(combo_->IsDropBoxOpen());
  HWND box = combo_->GetDropBoxWindow();
  ASSERT_TRUE(::IsWindow(box));
  EXPECT_EQ(::GetWindow(box, GW_OWNER), hwnd());
  // The entries are drawn in the skin's fonts in the box too.
  YdPaintManager* boxManager = YdPaintManager::ManagerOfWindow(box);
  ASSERT_NE(boxManager, nullptr);
  EXPECT_EQ(boxManager->GetDefaultFont()->size, 17);
  EXPECT_EQ(boxManager->GetFont(L"skin"), boxManager->GetDefaultFont());  // the named default is one font
  // Below the combo (2 pixels apart), as wide as it, four entries of 20.
  RECT screen{};
  ::GetWindowRect(box, &screen);
  POINT below{combo_->GetPosition().left, combo_->GetPosition().bottom};
  ::ClientToScreen(hwnd(), &below);
  EXPECT_EQ(screen.left, below.x);
  EXPECT_EQ(screen.top, below.y + 2);
  EXPECT_EQ(screen.right - screen.left, 120);
  EXPECT_EQ(screen.bottom - screen.top, 80);
  // The entries live in the box meanwhile.
  EXPECT_EQ(combo_->ChildCount(), 0);
  EXPECT_NE(entries_[3]->GetManager(), manager_.get());
  PaintNow(box);
  const RECT cyan = entries_[3]->GetPosition();
  EXPECT_EQ(cyan.top, 60);
  EXPECT_EQ(cyan.bottom, 80);

  Click(box, Centre(entries_[3]));
  PumpMessages();
  EXPECT_FALSE(combo_->IsDropBoxOpen());
  EXPECT_FALSE(::IsWindow(box));
  EXPECT_EQ(combo_->ChildCount(), 4);
  EXPECT_EQ(entries_[3]->GetManager(), manager_.get());
  EXPECT_EQ(entries_[3]->GetParent(), combo_);
  EXPECT_EQ(combo_->GetCurSel(), 3);
  EXPECT_EQ(combo_->GetText(), L"Cyan");
  EXPECT_TRUE(entries_[3]->IsSelected());
  EXPECT_FALSE(entries_[1]->IsSelected());
  const std::vector<Noted> chosen = listener_.Of(kNotifyComboSelect);
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].sender, combo_);
  EXPECT_EQ(chosen[0].wParam, 3u);
  EXPECT_EQ(chosen[0].lParam, 1);
  // Indexed again in the combo's window.
  EXPECT_EQ(manager_->ControlByName(L"cyan"), entries_[3]);
}

TEST_F(ComboTest, EscapeClosesTheBoxWithoutAChoiceAndTheBoxCanOpenAgain) {
  ASSERT_TRUE(combo_->OpenDropBox());
  EXPECT_FALSE(combo_->OpenDropBox());  // already open
  HWND box = combo_->GetDropBoxWindow();
  ::SendMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(box));
  EXPECT_FALSE(combo_->IsDropBoxOpen());
  EXPECT_EQ(combo_->GetCurSel(), 1);
  EXPECT_TRUE(listener_.Of(kNotifyComboSelect).empty());
  EXPECT_EQ(combo_->ChildCount(), 4);
  // Open again, closed by the combo itself.
  ASSERT_TRUE(combo_->OpenDropBox());
  box = combo_->GetDropBoxWindow();
  combo_->CloseDropBox();
  EXPECT_FALSE(::IsWindow(box));
  EXPECT_EQ(combo_->ChildCount(), 4);
  // A disabled combo does not open.
  combo_->SetEnabled(false);
  EXPECT_FALSE(combo_->OpenDropBox());
}

TEST_F(ComboTest, UpAndDownStepThroughEnabledEntriesAndRaise25) {
  combo_->SetFocus();
  PumpMessages();
  ::SendMessageW(hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  // "blue" is disabled: skipped.
  EXPECT_EQ(combo_->GetCurSel(), 3);
  ::SendMessageW(hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo_->GetCurSel(), 3);  // the last stays
  ::SendMessageW(hwnd(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(combo_->GetCurSel(), 1);
  EXPECT_EQ(combo_->GetText(), L"Green");
  const std::vector<Noted> steps = listener_.Of(kNotifyComboSelect);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].wParam, 3u);
  EXPECT_EQ(steps[1].wParam, 1u);
  EXPECT_EQ(steps[1].lParam, 3);
  EXPECT_FALSE(combo_->SelectItem(7));
  EXPECT_FALSE(combo_->SelectItem(-1));
  ::SendMessageW(hwnd(), WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(combo_->GetCurSel(), 3);
  ::SendMessageW(hwnd(), WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(combo_->GetCurSel(), 0);
  ::SendMessageW(hwnd(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(combo_->GetCurSel(), 0);  // the first stays
  EXPECT_EQ(listener_.Of(kNotifyComboSelect).size(), 4u);
}

TEST_F(ComboTest, TypingALetterChoosesTheNextEntryStartingWithIt) {
  combo_->SetFocus();
  PumpMessages();
  ::SendMessageW(hwnd(), WM_CHAR, L'c', 0);
  EXPECT_EQ(combo_->GetCurSel(), 3);
  ::SendMessageW(hwnd(), WM_CHAR, L'B', 0);  // "Blue" is disabled
  EXPECT_EQ(combo_->GetCurSel(), 3);
  ::SendMessageW(hwnd(), WM_CHAR, L'R', 0);
  EXPECT_EQ(combo_->GetCurSel(), 0);
  EXPECT_EQ(combo_->GetText(), L"Red");
  EXPECT_EQ(listener_.Of(kNotifyComboSelect).size(), 2u);
  // In the open box a letter moves the hot entry only.
  ASSERT_TRUE(combo_->OpenDropBox());
  HWND box = combo_->GetDropBoxWindow();
  ::SendMessageW(box, WM_CHAR, L'g', 0);
  EXPECT_EQ(combo_->GetDropBox()->GetHotEntry(), 1);
  EXPECT_EQ(combo_->GetCurSel(), 0);
  ::SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
  PumpMessages();
  EXPECT_EQ(combo_->GetCurSel(), 1);
}

TEST_F(ComboTest, TheWheelOverTheClosedComboStepsTheChoice) {
  POINT at = Centre(combo_);
  ::ClientToScreen(hwnd(), &at);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  ::SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), where);
  EXPECT_EQ(combo_->GetCurSel(), 3);  // down: the next enabled entry
  ::SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), where);
  EXPECT_EQ(combo_->GetCurSel(), 1);
  ::SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), where);
  EXPECT_EQ(combo_->GetCurSel(), 0);
  ASSERT_EQ(listener_.Of(kNotifyComboSelect).size(), 3u);
  // Over the buddy below, the wheel does not reach the combo.
  YdControl* buddy = manager_->ControlByName(L"buddy");
  POINT off = Centre(buddy);
  ::ClientToScreen(hwnd(), &off);
  ::SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(off.x, off.y));
  EXPECT_EQ(combo_->GetCurSel(), 0);
}

TEST_F(ComboTest, AReadOnlyComboKeepsItsChoiceAgainstTheUser) {
  combo_->ApplyAttribute(L"readonly", L"true");
  ASSERT_TRUE(combo_->IsReadOnly());
  Click(hwnd(), Centre(combo_));
  EXPECT_FALSE(combo_->IsDropBoxOpen());
  EXPECT_FALSE(combo_->OpenDropBox());
  combo_->SetFocus();
  PumpMessages();
  ::SendMessageW(hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  ::SendMessageW(hwnd(), WM_KEYDOWN, VK_F4, 0);
  ::SendMessageW(hwnd(), WM_CHAR, L'c', 0);
  POINT at = Centre(combo_);
  ::ClientToScreen(hwnd(), &at);
  ::SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(at.x, at.y));
  EXPECT_FALSE(combo_->IsDropBoxOpen());
  EXPECT_EQ(combo_->GetCurSel(), 1);
  EXPECT_TRUE(listener_.Of(kNotifyComboSelect).empty());
  // The program still chooses.
  EXPECT_TRUE(combo_->SelectItem(3));
  EXPECT_EQ(combo_->GetText(), L"Cyan");
}

TEST_F(ComboTest, KeysInTheOpenBoxMoveTheHotEntryAndReturnChooses) {
  ASSERT_TRUE(combo_->OpenDropBox());
  HWND box = combo_->GetDropBoxWindow();
  PaintNow(box);
  auto hot = [](YdControl* c) { return (c->GetStateBits() & kStateHot) != 0; };
  // The current choice is hot first.
  EXPECT_TRUE(hot(entries_[1]));
  ::SendMessageW(box, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(hot(entries_[3]));  // "blue" is disabled
  EXPECT_FALSE(hot(entries_[1]));
  ::SendMessageW(box, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(hot(entries_[3]));
  ::SendMessageW(box, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_TRUE(hot(entries_[0]));
  ::SendMessageW(box, WM_KEYDOWN, VK_NEXT, 0);  // a page of four: the last enabled
  EXPECT_TRUE(hot(entries_[3]));
  ::SendMessageW(box, WM_KEYDOWN, VK_UP, 0);
  EXPECT_TRUE(hot(entries_[1]));
  EXPECT_TRUE(combo_->IsDropBoxOpen());
  EXPECT_TRUE(listener_.Of(kNotifyComboSelect).empty());  // moving is no choice
  ::SendMessageW(box, WM_KEYDOWN, VK_END, 0);
  ::SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(box));
  EXPECT_EQ(combo_->GetCurSel(), 3);
  ASSERT_EQ(listener_.Of(kNotifyComboSelect).size(), 1u);
  EXPECT_EQ(listener_.Of(kNotifyComboSelect)[0].wParam, 3u);
  EXPECT_EQ(listener_.Of(kNotifyComboSelect)[0].lParam, 1);
  // Back in the combo, no entry keeps the box's hot mark.
  EXPECT_FALSE(hot(entries_[3]));
  EXPECT_EQ(combo_->ChildCount(), 4);
}

TEST_F(ComboTest, TheBuddyFindsItsComboAndOpensIt) {
  YdControl* buddyControl = manager_->ControlByName(L"buddy");
  ASSERT_NE(buddyControl, nullptr);
  auto* buddy = static_cast<YdComboBuddy*>(buddyControl);
  EXPECT_EQ(buddy->GetComboId(), 40);
  EXPECT_EQ(buddy->FindCombo(), combo_);
  // The label inside is part of the buddy's face.
  EXPECT_EQ(manager_->ControlAtPoint(Centre(buddy)), buddy);
  Click(hwnd(), Centre(buddy));
  EXPECT_TRUE(combo_->IsDropBoxOpen());
  Click(hwnd(), Centre(buddy));
  PumpMessages();
  EXPECT_FALSE(combo_->IsDropBoxOpen());
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
