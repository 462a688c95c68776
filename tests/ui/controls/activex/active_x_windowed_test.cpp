// active_x_windowed_test.cpp -- YdActiveX hosting the windowed test control:
// the host child window on the control's rectangle (also when windowless
// activation was asked for but the object cannot do it), the object's own
// window inside it and painted, placement and visibility following the
// control, the host cut to the part a scrolled list shows, the keyboard
// focus and the message loop's accelerator hand-off, and the windows and
// references gone with the control.
#include "tests/ui/controls/activex/active_x_fixture.h"
#include "ui/controls/containers/container.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

std::wstring WindowedSkin() {
  return LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <HorizontalLayout name="page" normalbkcolor="#FF808080">
    <Control name="left" width="40" />
    <ActiveX name="ax" width="100" height="60" windowless="true" clsid=")" +
         ClsidText(ztest_ole::kClsidWindowed) + LR"(" />
    <Control />
  </HorizontalLayout>
</Window>)";
}

// `child`'s window rectangle in the client coordinates of `parent`.
RECT RectIn(HWND child, HWND parent) {
  RECT rc{};
  ::GetWindowRect(child, &rc);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class WindowedActiveXTest : public ActiveXTest {
 protected:
  void SetUp() override {
    ActiveXTest::SetUp();
    ASSERT_NE(Build(WindowedSkin()), nullptr);
    ax_ = Host(L"ax");
    ASSERT_NE(ax_, nullptr);
    ASSERT_TRUE(ax_->IsCreated()) << std::hex << ax_->GetCreateResult();
    host_ = ax_->GetHostWindow();
    own_ = ax_->GetObjectWindow();
    ASSERT_NE(host_, nullptr);
    ASSERT_NE(own_, nullptr);
  }
  YdActiveX* ax_ = nullptr;
  HWND host_ = nullptr;
  HWND own_ = nullptr;
};

TEST_F(WindowedActiveXTest, ObjectLivesInAHostWindowOnTheControl) {
  EXPECT_FALSE(ax_->IsWindowlessActive()) << "the object cannot go windowless";
  EXPECT_FALSE(ztest_ole::Stats().windowless);
  EXPECT_EQ(::GetParent(host_), hwnd_);
  EXPECT_TRUE(SameRect(RectIn(host_, hwnd_), ax_->GetPosition()));
  EXPECT_TRUE(SameRect(ax_->GetPosition(), RECT{40, 0, 140, 60}));
  EXPECT_EQ(ztest_ole::Stats().parentWindow, host_);
  EXPECT_EQ(::GetParent(own_), host_);
  EXPECT_TRUE(SameRect(RectIn(own_, host_), RECT{0, 0, 100, 60}));
  EXPECT_EQ(ax_->GetNativeWindow(), host_);
  EXPECT_EQ(manager_->ControlOfWindow(own_), ax_);
  ::UpdateWindow(own_);
  HDC dc = ::GetDC(own_);
  const COLORREF painted = ::GetPixel(dc, 50, 30);
  ::ReleaseDC(own_, dc);
  EXPECT_EQ(painted, ztest_ole::kWindowedColour);
}

TEST_F(WindowedActiveXTest, HostWindowFollowsLayoutAndVisibility) {
  YdControl* left = manager_->ControlByName(L"left");
  left->SetFixedWidth(70);
  left->NeedParentUpdate();
  PaintNow(hwnd_);
  EXPECT_TRUE(SameRect(RectIn(host_, hwnd_), RECT{70, 0, 170, 60}));
  EXPECT_TRUE(SameRect(ztest_ole::Stats().objectRects, RECT{0, 0, 100, 60}));
  ax_->SetFixedWidth(120);
  ax_->NeedParentUpdate();
  PaintNow(hwnd_);
  EXPECT_TRUE(SameRect(RectIn(host_, hwnd_), RECT{70, 0, 190, 60}));
  EXPECT_TRUE(SameRect(RectIn(own_, host_), RECT{0, 0, 120, 60}));

  ax_->SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(host_));
  ax_->SetVisible(true);
  EXPECT_TRUE(::IsWindowVisible(host_));

  // A container hiding itself with its children reaches the host through
  // its kind code.
  auto* page = static_cast<YdContainer*>(manager_->ControlByName(L"page"));
  page->SetVisibleWithChildren(false);
  EXPECT_FALSE(::IsWindowVisible(host_));
  page->SetVisibleWithChildren(true);
  EXPECT_TRUE(::IsWindowVisible(host_));
}

TEST_F(WindowedActiveXTest, FocusGoesToTheObjectWindowAndTheLoopOffersItsAccelerators) {
  manager_->SetFocusControl(ax_, true);
  EXPECT_EQ(::GetFocus(), own_);
  EXPECT_EQ(manager_->GetFocusControl(), ax_);

  MSG msg{};
  msg.hwnd = own_;
  msg.message = WM_KEYDOWN;
  msg.wParam = ztest_ole::kAcceleratorKey;
  EXPECT_TRUE(YdPaintManager::TranslateForModal(msg));
  msg.wParam = 'A';
  EXPECT_FALSE(YdPaintManager::TranslateForModal(msg));
  const std::vector<WPARAM>& keys = ztest_ole::Stats().accelerators;
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0], ztest_ole::kAcceleratorKey);
  EXPECT_EQ(keys[1], static_cast<WPARAM>('A'));
  ::SetFocus(hwnd_);
}

TEST_F(WindowedActiveXTest, FocusTakenByTheObjectWindowMakesTheHostTheFocusControl) {
  ::SetFocus(hwnd_);
  manager_->SetFocusControl(nullptr, false);
  ::SetFocus(own_);  // as a click into the object's window does
  EXPECT_EQ(::GetFocus(), own_);
  EXPECT_EQ(manager_->GetFocusControl(), ax_);
  ::SetFocus(hwnd_);
}

TEST_F(WindowedActiveXTest, WindowsAndReferencesGoWithTheControl) {
  auto* page = static_cast<YdContainer*>(manager_->ControlByName(L"page"));
  page->SetAutoDestroy(false);
  ASSERT_TRUE(page->RemoveChild(ax_));
  delete ax_;
  ax_ = nullptr;
  EXPECT_FALSE(::IsWindow(own_));
  EXPECT_FALSE(::IsWindow(host_));
  EXPECT_EQ(ztest_ole::Stats().closes, 1);
  EXPECT_EQ(ztest_ole::Stats().live, 0);
}

// The host window is a child window, which the painting of the list above
// it does not clip: it is cut to the part of the control the list shows.
TEST_F(ActiveXTest, AHostWindowInAScrolledListShowsOnlyThePartInView) {
  ASSERT_NE(Build(LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout>
    <Control height="50" />
    <VerticalLayout name="list" height="100" vscrollbar="true">
      <Control height="80" />
      <ActiveX name="ax" height="60" clsid=")" + ClsidText(ztest_ole::kClsidWindowed) + LR"(" />
      <Control height="80" />
    </VerticalLayout>
  </VerticalLayout>
</Window>)"), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_NE(ax, nullptr);
  const HWND host = ax->GetHostWindow();
  ASSERT_NE(host, nullptr);
  const int width = ax->GetPosition().right - ax->GetPosition().left;
  RECT box{};
  // At y 130 in a list ending at 150: its top 20 rows show.
  ASSERT_EQ(ax->GetPosition().top, 130);
  ASSERT_EQ(::GetWindowRgnBox(host, &box), SIMPLEREGION);
  EXPECT_TRUE(SameRect(box, RECT{0, 0, width, 20}));
  // Scrolled by 100 to y 30 in a list starting at 50: rows 20 to 60 show.
  static_cast<YdContainer*>(manager_->ControlByName(L"list"))->SetScrollPosition(SIZE{0, 100});
  ASSERT_EQ(ax->GetPosition().top, 30);
  ASSERT_EQ(::GetWindowRgnBox(host, &box), SIMPLEREGION);
  EXPECT_TRUE(SameRect(box, RECT{0, 20, width, 60}));
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
