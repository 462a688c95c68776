// menu_test.cpp -- menus from a literal skin: kind codes and QueryKind
// answers, the submenu attribute keys, nested entries kept as the submenu,
// the popup menu window and its submenu window, the chosen entry reported
// to the listener, and Escape closing the innermost window.
#include "tests/ui/controls/popup/skin_window_fixture.h"
#include "ui/controls/popup/menu.h"
#include "ui/controls/popup/menu_navigation.h"
#include "ui/controls/popup/menu_wnd.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

const wchar_t kMenuSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <Menu name="menu" width="120">
    <MenuElement name="open" text="Open" height="20" />
    <MenuElement name="recent" text="Recent" height="20" submenumaxheight="50"
                 submenuattribute="name=&quot;recentlist&quot;" submenuelementattribute="height=&quot;30&quot;"
                 submenudefaultvscrollbarattribute="width=&quot;6&quot;">
      <MenuElement name="first" text="first.txt" />
      <MenuElement name="second" text="second.txt" />
    </MenuElement>
    <MenuElement name="quit" text="Quit" height="20" />
  </Menu>
</Window>)";

class MenuTest : public PopupSkinTest {
 protected:
  void SetUp() override {
    RegisterPopupControls();
    // The menu is built as a tree of its own, then shown in a menu window.
    YdXmlParse parse;
    YdControl* root = parse.BuildWindow(nullptr, &scratch_, kMenuSkin, kXmlSourceText, L"", &callback_);
    ASSERT_NE(root, nullptr);
    menu_ = static_cast<YdMenu*>(root->QueryKind(kKindMenu));
    ASSERT_NE(menu_, nullptr);
    ASSERT_NE(Build(LR"(<?xml version="1.0"?><Window size="300,200"><Control name="host" /></Window>)"), nullptr);
  }
  void TearDown() override {
    if (window_menu_ != nullptr) window_menu_->CloseNow();
    else delete menu_;
    PumpMessages();
    PopupSkinTest::TearDown();
  }
  YdMenuElement* Entry(int index) const { return static_cast<YdMenuElement*>(menu_->ChildAt(index)); }

  YdPaintManager scratch_;
  YdMenu* menu_ = nullptr;
  YdMenuWnd* window_menu_ = nullptr;
  RecordingListener chosen_;
};

TEST_F(MenuTest, KindsKeysAndNestedEntriesFormTheSubmenu) {
  EXPECT_EQ(menu_->GetKind(), 2);
  EXPECT_EQ(menu_->QueryKind(4), menu_);
  EXPECT_EQ(menu_->QueryKind(1), menu_);
  EXPECT_EQ(menu_->QueryKind(3), nullptr);
  ASSERT_EQ(menu_->ChildCount(), 3);
  YdMenuElement* recent = Entry(1);
  EXPECT_EQ(recent->GetKind(), 3);
  EXPECT_EQ(recent->QueryKind(9), recent);  // selects like an option
  EXPECT_EQ(recent->QueryKind(2), nullptr);
  EXPECT_EQ(recent->GetSubmenuMaxHeight(), 50);
  EXPECT_EQ(recent->GetSubmenuAttributes(), L"name=\"recentlist\"");
  EXPECT_EQ(recent->GetSubmenuElementAttributes(), L"height=\"30\"");
  EXPECT_EQ(recent->GetSubmenuScrollBarAttributes(), L"width=\"6\"");
  // The nested entries are its submenu, not children of its face.
  EXPECT_TRUE(recent->HasSubmenu());
  EXPECT_EQ(recent->SubmenuCount(), 2);
  EXPECT_EQ(recent->ChildCount(), 0);
  EXPECT_EQ(recent->SubmenuItem(1)->GetText(), L"second.txt");
  EXPECT_FALSE(Entry(0)->HasSubmenu());
  // 120 wide, three entries of 20.
  EXPECT_EQ(menu_->WindowSize(0).cx, 120);
  EXPECT_EQ(menu_->WindowSize(0).cy, 60);
  EXPECT_EQ(menu_->WindowSize(45).cy, 45);
}

TEST_F(MenuTest, SubmenuWindowOpensAndTheChosenEntryIsReportedAndEverythingCloses) {
  manager_->Fonts().SetDefaultFont(manager_->AddFont(L"skin", L"Tahoma", 17, false, false, false));
  window_menu_ = YdMenuWnd::Popup(hwnd(), menu_, {100, 100}, &chosen_);
  ASSERT_NE(window_menu_, nullptr);
  HWND top = window_menu_->GetHWND();
  // The owner window's skin fonts reach the menu window.
  EXPECT_EQ(window_menu_->GetPaintManager().GetDefaultFont()->size, 17);
  RECT r{};
  ::GetWindowRect(top, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.right - r.left, 120);
  EXPECT_EQ(r.bottom - r.top, 60);
  PaintNow(top);
  YdMenuElement* recent = Entry(1);
  Click(top, Centre(recent));
  YdMenuWnd* sub = window_menu_->GetSubmenuWindow();
  ASSERT_NE(sub, nullptr);
  HWND subWindow = sub->GetHWND();
  EXPECT_EQ(sub->GetPaintManager().GetDefaultFont()->size, 17);  // and its submenus
  EXPECT_EQ(sub->GetParentWindow(), window_menu_);
  EXPECT_EQ(recent->SubmenuCount(), 0);  // lent to the submenu window
  EXPECT_TRUE(chosen_.notes.empty());    // an entry with a submenu is no choice
  // At the entry's right edge; entries of 30 (element attribute list) make
  // 60, capped at 50; the container attribute list named it.
  ::GetWindowRect(subWindow, &r);
  POINT corner{recent->GetPosition().right, recent->GetPosition().top};
  ::ClientToScreen(top, &corner);
  EXPECT_EQ(r.left, corner.x);
  EXPECT_EQ(r.top, corner.y);
  EXPECT_EQ(r.bottom - r.top, 50);
  EXPECT_EQ(sub->GetMenu()->GetName(), L"recentlist");
  ASSERT_NE(sub->GetMenu()->GetVerticalScrollBar(), nullptr);
  PaintNow(subWindow);
  YdControl* second = sub->GetMenu()->ChildAt(1);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetFixedHeight(), 30);

  Click(subWindow, Centre(second));
  ASSERT_EQ(chosen_.Of(kNotifyClick).size(), 1u);
  EXPECT_EQ(chosen_.notes[0].sender, second);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(subWindow));
  EXPECT_FALSE(::IsWindow(top));
  window_menu_ = nullptr;
  menu_ = nullptr;  // deleted with its window
}

TEST_F(MenuTest, AMenuOpenedAtTheScreensCornerStaysOnTheScreen) {
  RECT work{};
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  window_menu_ = YdMenuWnd::Popup(hwnd(), menu_, {work.right - 5, work.bottom - 5}, &chosen_);
  ASSERT_NE(window_menu_, nullptr);
  RECT r{};
  ::GetWindowRect(window_menu_->GetHWND(), &r);
  EXPECT_EQ(r.right, work.right - 5);  // opened leftwards and upwards from the point
  EXPECT_EQ(r.bottom, work.bottom - 5);
  EXPECT_EQ(r.right - r.left, 120);
  // The pure placement: pushed inside, the top-left corner winning.
  EXPECT_EQ(KeepMenuOnScreen({-30, 10, 70, 60}, {0, 0, 800, 600}, -30, 10), (YdRect{0, 10, 100, 60}));
  EXPECT_EQ(KeepMenuOnScreen({0, 0, 900, 50}, {0, 0, 800, 600}, 0, 0), (YdRect{0, 0, 900, 50}));
}

TEST_F(MenuTest, EscapeClosesTheSubmenuAndItsItemsGoBack) {
  window_menu_ = YdMenuWnd::Popup(hwnd(), menu_, {50, 50}, &chosen_);
  ASSERT_NE(window_menu_, nullptr);
  PaintNow(window_menu_->GetHWND());
  ASSERT_TRUE(window_menu_->OpenSubmenu(Entry(1)));
  EXPECT_TRUE(window_menu_->OpenSubmenu(Entry(1)));  // already shown
  EXPECT_FALSE(window_menu_->OpenSubmenu(Entry(0)));  // no submenu
  HWND subWindow = window_menu_->GetSubmenuWindow()->GetHWND();
  ::SendMessageW(subWindow, WM_KEYDOWN, VK_ESCAPE, 0);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(subWindow));
  EXPECT_EQ(window_menu_->GetSubmenuWindow(), nullptr);
  EXPECT_TRUE(::IsWindow(window_menu_->GetHWND()));
  EXPECT_EQ(Entry(1)->SubmenuCount(), 2);
  EXPECT_EQ(Entry(1)->SubmenuItem(0)->GetManager(), nullptr);
  // A plain entry chosen in the top window.
  Click(window_menu_->GetHWND(), Centre(Entry(2)));
  ASSERT_EQ(chosen_.notes.size(), 1u);
  EXPECT_EQ(chosen_.notes[0].sender, Entry(2));
  PumpMessages();
  window_menu_ = nullptr;
  menu_ = nullptr;
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
