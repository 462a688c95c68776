// menu_keys_test.cpp -- the menu windows driven by real key and character
// messages: Up/Down/Home/End over visible enabled entries with wrapping,
// Right/Return opening a submenu with its first entry hot, Left/Escape
// closing it and handing the highlight back, Return choosing like a click,
// and accelerator letters.
#include "tests/ui/controls/popup/skin_window_fixture.h"
#include "ui/controls/popup/menu.h"
#include "ui/controls/popup/menu_wnd.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

const wchar_t kKeysSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <Menu name="menu" width="120">
    <MenuElement name="open" text="&amp;Open" height="20" />
    <MenuElement name="recent" text="Recent" height="20" submenumaxheight="50">
      <MenuElement name="first" text="first.txt" height="20" enabled="false" />
      <MenuElement name="second" text="second.txt" height="20" />
      <MenuElement name="third" text="third.txt" height="20" />
      <MenuElement name="fourth" text="fourth.txt" height="20" />
    </MenuElement>
    <MenuElement name="off" text="Off" height="20" enabled="false" />
    <MenuElement name="hidden" text="Hidden" height="20" visible="false" />
    <MenuElement name="quit" text="Quit" height="20" />
    <MenuElement name="query" text="Query" height="20" />
  </Menu>
</Window>)";

class MenuKeysTest : public PopupSkinTest {
 protected:
  void SetUp() override {
    RegisterPopupControls();
    YdXmlParse parse;
    YdControl* root = parse.BuildWindow(nullptr, &scratch_, kKeysSkin, kXmlSourceText, L"", &callback_);
    ASSERT_NE(root, nullptr);
    menu_ = static_cast<YdMenu*>(root->QueryKind(kKindMenu));
    ASSERT_NE(menu_, nullptr);
    ASSERT_NE(Build(LR"(<?xml version="1.0"?><Window size="300,200"><Control name="host" /></Window>)"), nullptr);
    top_ = YdMenuWnd::Popup(hwnd(), menu_, {60, 60}, &chosen_);
    ASSERT_NE(top_, nullptr);
    PaintNow(top_->GetHWND());
  }
  void TearDown() override {
    if (top_ != nullptr) {
      top_->CloseNow();
    } else {
      delete menu_;
    }
    PumpMessages();
    PopupSkinTest::TearDown();
  }
  static void Key(YdMenuWnd* w, WPARAM key) { ::SendMessageW(w->GetHWND(), WM_KEYDOWN, key, 0); }
  static void Char(YdMenuWnd* w, wchar_t c) { ::SendMessageW(w->GetHWND(), WM_CHAR, c, 0); }
  static std::vector<int> HotOnes(YdMenu* menu) {
    std::vector<int> out;
    for (int i = 0; i < menu->ChildCount(); ++i) {
      if ((menu->ChildAt(i)->GetStateBits() & kStateHot) != 0) out.push_back(i);
    }
    return out;
  }
  YdMenuElement* Entry(int index) const { return static_cast<YdMenuElement*>(menu_->ChildAt(index)); }
  // The chain closed itself after a choice: nothing left to close.
  void ChainGone() {
    top_ = nullptr;
    menu_ = nullptr;
  }

  YdPaintManager scratch_;
  YdMenu* menu_ = nullptr;
  YdMenuWnd* top_ = nullptr;
  RecordingListener chosen_;
};

TEST_F(MenuKeysTest, UpDownHomeEndStepOverUsableEntriesAndWrap) {
  EXPECT_EQ(top_->GetHotEntry(), -1);
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    Key(top_, VK_DOWN);
    seen.push_back(top_->GetHotEntry());
  }
  // "off" is disabled and "hidden" invisible; after "query" comes "open".
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 4, 5, 0}));
  Key(top_, VK_UP);
  EXPECT_EQ(top_->GetHotEntry(), 5);
  EXPECT_EQ(HotOnes(menu_), (std::vector<int>{5}));  // one hot entry only
  Key(top_, VK_HOME);
  EXPECT_EQ(HotOnes(menu_), (std::vector<int>{0}));
  Key(top_, VK_END);
  EXPECT_EQ(top_->GetHotEntry(), 5);
  // Moving is no choice, and Right on a plain entry does nothing.
  Key(top_, VK_RIGHT);
  EXPECT_TRUE(chosen_.notes.empty());
  EXPECT_EQ(top_->GetSubmenuWindow(), nullptr);
}

TEST_F(MenuKeysTest, RightOpensTheSubmenuAndLeftOrEscapeHandTheHighlightBack) {
  Key(top_, VK_DOWN);
  Key(top_, VK_DOWN);
  ASSERT_EQ(top_->GetHotEntry(), 1);
  Key(top_, VK_RIGHT);
  YdMenuWnd* sub = top_->GetSubmenuWindow();
  ASSERT_NE(sub, nullptr);
  // "first.txt" is disabled: the first usable entry is hot.
  EXPECT_EQ(sub->GetHotEntry(), 1);
  EXPECT_EQ(HotOnes(sub->GetMenu()), (std::vector<int>{1}));
  Key(sub, VK_DOWN);
  EXPECT_EQ(sub->GetHotEntry(), 2);
  Key(sub, VK_DOWN);
  Key(sub, VK_DOWN);
  EXPECT_EQ(sub->GetHotEntry(), 1);  // wraps past the disabled first
  HWND subWindow = sub->GetHWND();
  Key(sub, VK_LEFT);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(subWindow));
  EXPECT_EQ(top_->GetSubmenuWindow(), nullptr);
  EXPECT_TRUE(::IsWindow(top_->GetHWND()));
  EXPECT_EQ(top_->GetHotEntry(), 1);
  EXPECT_EQ(HotOnes(menu_), (std::vector<int>{1}));
  ASSERT_EQ(Entry(1)->SubmenuCount(), 4);
  // The items came back without the box's highlight.
  EXPECT_EQ(Entry(1)->SubmenuItem(1)->GetStateBits() & kStateHot, 0);
  // Return opens it as well; Escape in the submenu also goes back.
  Key(top_, VK_RETURN);
  sub = top_->GetSubmenuWindow();
  ASSERT_NE(sub, nullptr);
  subWindow = sub->GetHWND();
  Key(sub, VK_ESCAPE);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(subWindow));
  EXPECT_TRUE(::IsWindow(top_->GetHWND()));
  EXPECT_EQ(top_->GetHotEntry(), 1);
  // Left in the top window does nothing; Escape there closes it.
  Key(top_, VK_LEFT);
  PumpMessages();
  ASSERT_TRUE(::IsWindow(top_->GetHWND()));
  HWND topWindow = top_->GetHWND();
  Key(top_, VK_ESCAPE);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(topWindow));
  EXPECT_TRUE(chosen_.notes.empty());
  ChainGone();
}

TEST_F(MenuKeysTest, AMenuCappedInHeightScrollsTheHotEntryIntoView) {
  Key(top_, VK_DOWN);
  Key(top_, VK_DOWN);
  Key(top_, VK_RIGHT);
  YdMenuWnd* sub = top_->GetSubmenuWindow();
  ASSERT_NE(sub, nullptr);
  PaintNow(sub->GetHWND());
  YdMenu* list = sub->GetMenu();
  ASSERT_NE(list->GetVerticalScrollBar(), nullptr);
  // Four entries of 20 in 50 pixels.
  std::vector<int> offsets;
  for (int i = 0; i < 3; ++i) {
    Key(sub, VK_DOWN);
    offsets.push_back(list->GetScrollPosition().cy);
  }
  // third (40..60) shows its bottom, fourth (60..80) too, then second
  // (20..40) after the wrap shows its top.
  EXPECT_EQ(offsets, (std::vector<int>{10, 30, 20}));
  const RECT shown = list->ChildAt(sub->GetHotEntry())->GetPosition();
  EXPECT_EQ(shown.top, 0);
}

TEST_F(MenuKeysTest, ReturnOnAPlainEntryChoosesItLikeAClick) {
  Key(top_, VK_DOWN);
  Key(top_, VK_DOWN);
  Key(top_, VK_RIGHT);
  YdMenuWnd* sub = top_->GetSubmenuWindow();
  ASSERT_NE(sub, nullptr);
  Key(sub, VK_DOWN);
  YdControl* third = sub->GetMenu()->ChildAt(2);
  HWND subWindow = sub->GetHWND();
  HWND topWindow = top_->GetHWND();
  Key(sub, VK_RETURN);
  ASSERT_EQ(chosen_.notes.size(), 1u);
  EXPECT_EQ(chosen_.notes[0].type, kNotifyClick);
  EXPECT_EQ(chosen_.notes[0].sender, third);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(subWindow));
  EXPECT_FALSE(::IsWindow(topWindow));
  ChainGone();
}

TEST_F(MenuKeysTest, AcceleratorLettersMoveOrChoose) {
  // Two entries start with "q": the letter steps between them.
  Char(top_, L'q');
  EXPECT_EQ(top_->GetHotEntry(), 4);
  Char(top_, L'Q');
  EXPECT_EQ(top_->GetHotEntry(), 5);
  Char(top_, L'q');
  EXPECT_EQ(top_->GetHotEntry(), 4);
  EXPECT_TRUE(chosen_.notes.empty());
  // No entry has "x"; the disabled "Off" does not count for "o".
  Char(top_, L'x');
  EXPECT_EQ(top_->GetHotEntry(), 4);
  // "r" is only "Recent": its submenu opens.
  Char(top_, L'r');
  ASSERT_NE(top_->GetSubmenuWindow(), nullptr);
  EXPECT_EQ(top_->GetHotEntry(), 1);
  HWND subWindow = top_->GetSubmenuWindow()->GetHWND();
  Key(top_->GetSubmenuWindow(), VK_LEFT);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(subWindow));
  // "&Open" has "o" as its accelerator and is the only one: chosen.
  HWND topWindow = top_->GetHWND();
  Char(top_, L'o');
  ASSERT_EQ(chosen_.notes.size(), 1u);
  EXPECT_EQ(chosen_.notes[0].sender, Entry(0));
  PumpMessages();
  EXPECT_FALSE(::IsWindow(topWindow));
  ChainGone();
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
