// message_loop_test.cpp -- the shared message loop: Tab consumed by the
// bound manager before dispatch, messages of child windows offered to the
// parent's manager, WM_QUIT ending the loop, and the mouse-leave row.
#include "tests/ui/manager/manager_fixture.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

// Ends a loop that would otherwise wait for ever.
VOID CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(3); }

TEST_F(ManagerTest, LoopConsumesTabBeforeDispatchAndEndsOnQuit) {
  auto* t1 = new RecordingControl(L"t1", 0, {0, 0, 10, 10});
  auto* t2 = new RecordingControl(L"t2", 0, {20, 0, 30, 10});
  t1->ApplyAttribute(L"flags", L"tabstop");
  t2->ApplyAttribute(L"flags", L"tabstop");
  AttachTree({t1, t2});
  PaintNow(hwnd_);
  ASSERT_EQ(manager_->GetFocusControl(), t1);
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys);
  ::PostMessageW(hwnd_, WM_KEYDOWN, VK_TAB, 0);
  ::PostMessageW(hwnd_, WM_KEYDOWN, 'A', 0);
  ::PostQuitMessage(0);
  const UINT_PTR dog = ::SetTimer(nullptr, 0, 5000, Watchdog);
  YdPaintManager::RunMessageLoop();
  ::KillTimer(nullptr, dog);
  EXPECT_EQ(manager_->GetFocusControl(), t2);
  EXPECT_EQ(t1->Count(kEventKeyDown), 0);  // the Tab never reached the window procedure
  ASSERT_EQ(t2->Count(kEventKeyDown), 1);  // 'A' was dispatched to the focus
  EXPECT_EQ(t2->Last(kEventKeyDown)->key, 'A');
}

TEST_F(ManagerTest, ModalTranslationCoversChildWindowsOfTheManagersWindow) {
  auto* t1 = new RecordingControl(L"t1", 0, {0, 0, 10, 10});
  auto* t2 = new RecordingControl(L"t2", 0, {20, 0, 30, 10});
  t1->ApplyAttribute(L"flags", L"tabstop");
  t2->ApplyAttribute(L"flags", L"tabstop");
  AttachTree({t1, t2});
  PaintNow(hwnd_);
  const HWND child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, hwnd_, nullptr, nullptr, nullptr);
  const HWND stranger = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
  MSG tab{child, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_TRUE(YdPaintManager::TranslateForModal(tab));
  EXPECT_EQ(manager_->GetFocusControl(), t2);
  tab.hwnd = stranger;
  EXPECT_FALSE(YdPaintManager::TranslateForModal(tab));
  EXPECT_EQ(manager_->GetFocusControl(), t2);
  ::DestroyWindow(child);
  ::DestroyWindow(stranger);
}

TEST_F(ManagerTest, MouseLeaveEndsHoverAndReleasesThePushedControl) {
  auto* a = new RecordingControl(L"a", 0, {0, 0, 50, 50});
  AttachTree({a});
  PaintNow(hwnd_);
  ::SendMessageW(hwnd_, WM_MOUSEMOVE, 0, PointParam(10, 10));
  ::SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  ::SendMessageW(hwnd_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(manager_->GetHoverControl(), nullptr);
  EXPECT_EQ(manager_->GetPushedControl(), nullptr);
  ASSERT_EQ(a->Count(kEventLButtonUp), 1);
  EXPECT_EQ(a->Last(kEventLButtonUp)->point.x, -1);
  EXPECT_EQ(a->Last(kEventMouseLeave)->sender, nullptr);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
