// native_hosts_test.cpp -- YdDrawWnd's snapshot of a native window painted
// stretched under its children, and YdWindowPlaceholder keeping a native
// window on its rectangle, shown with it, focused through it and closed
// with it; both from a literal skin.
#include "tests/ui/controls/edit_picture/edit_picture_fixture.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/edit_picture/draw_wnd.h"
#include "ui/controls/edit_picture/window_placeholder.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

constexpr wchar_t kSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <HorizontalLayout name="page" normalbkcolor="#FF808080">
    <DrawWnd name="draw" width="120">
      <Control name="inner" float="true" pos="0,0,20,20" normalbkcolor="#FF0000FF" />
    </DrawWnd>
    <PlaceHolder name="holder" width="100" />
    <Control />
  </HorizontalLayout>
</Window>)";

// A top-level window whose client area is solid red, painted.
HWND MakeRedWindow() {
  static ATOM atom = 0;
  if (atom == 0) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = ::CreateSolidBrush(RGB(255, 0, 0));
    wc.lpszClassName = L"ZephyraM3RedWindow";
    atom = ::RegisterClassW(&wc);
  }
  HWND hwnd = ::CreateWindowExW(0, L"ZephyraM3RedWindow", L"", WS_POPUP | WS_VISIBLE, 400, 300, 40, 30, nullptr,
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::UpdateWindow(hwnd);
  PumpMessages();
  return hwnd;
}

class NativeHostsTest : public EditPictureTest {
 protected:
  void SetUp() override {
    EditPictureTest::SetUp();
    ASSERT_NE(Build(kSkin), nullptr);
    draw_ = static_cast<YdDrawWnd*>(manager_->ControlByName(L"draw"));
    holder_ = static_cast<YdWindowPlaceholder*>(manager_->ControlByName(L"holder"));
    ASSERT_NE(draw_, nullptr);
    ASSERT_NE(holder_, nullptr);
  }
  YdDrawWnd* draw_ = nullptr;
  YdWindowPlaceholder* holder_ = nullptr;
};

TEST_F(NativeHostsTest, DrawWndPaintsASnapshotUnderItsChildren) {
  EXPECT_FALSE(draw_->HasSnapshot());
  EXPECT_EQ(Pixel(60, 100), 0x808080u);
  HWND red = MakeRedWindow();
  ASSERT_NE(red, nullptr);
  draw_->SetNativeWindow(red);
  ASSERT_TRUE(draw_->HasSnapshot());
  EXPECT_EQ(draw_->GetSnapshotSize().cx, 40);
  EXPECT_EQ(draw_->GetSnapshotSize().cy, 30);
  // 40 x 30 stretched over 120 x 200.
  EXPECT_EQ(Pixel(60, 100), 0xFF0000u);
  EXPECT_EQ(Pixel(118, 198), 0xFF0000u);
  EXPECT_EQ(Pixel(10, 10), 0x0000FFu) << "the child is painted over the snapshot";
  EXPECT_EQ(Pixel(200, 100), 0x808080u);
  // The window goes away: a refresh drops the snapshot.
  ::DestroyWindow(red);
  EXPECT_FALSE(draw_->Refresh());
  EXPECT_FALSE(draw_->HasSnapshot());
  EXPECT_EQ(Pixel(60, 100), 0x808080u);
}

TEST_F(NativeHostsTest, PlaceholderKeepsTheWindowPlacedShownFocusedAndClosesIt) {
  HWND child = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, hwnd_, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(child, nullptr);
  holder_->SetNativeWindow(child);
  auto placed = [child]() {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  RECT r = placed();
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 220);
  EXPECT_EQ(r.bottom, 200);
  EXPECT_TRUE(::IsWindowVisible(child));
  // A new placement moves it along.
  holder_->SetPosition({130, 10, 180, 60});
  r = placed();
  EXPECT_EQ(r.left, 130);
  EXPECT_EQ(r.top, 10);
  EXPECT_EQ(r.right, 180);
  EXPECT_EQ(r.bottom, 60);
  holder_->SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(child));
  holder_->SetVisible(true);
  EXPECT_TRUE(::IsWindowVisible(child));
  // Hiding the page above hides the window too (a hidden tab page), and a
  // placement while the page is hidden does not bring it back.
  YdControl* page = manager_->ControlByName(L"page");
  ASSERT_NE(page, nullptr);
  page->SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(child));
  holder_->SetPosition({130, 10, 180, 60});
  EXPECT_FALSE(::IsWindowVisible(child));
  page->SetVisible(true);
  EXPECT_TRUE(::IsWindowVisible(child));
  // Focus and wheel hand the keyboard to the native window.
  ::SetFocus(hwnd_);
  holder_->SetFocus();
  EXPECT_EQ(::GetFocus(), child);
  ::SetFocus(hwnd_);
  YdEvent wheel;
  wheel.type = kEventMouseWheel;
  holder_->HandleEvent(wheel);
  EXPECT_EQ(::GetFocus(), child);
  // Removed from the tree and destroyed: the window is closed.
  auto* pageContainer = static_cast<YdContainer*>(page->QueryKind(kKindContainer));
  ASSERT_NE(pageContainer, nullptr);
  pageContainer->SetAutoDestroy(false);
  ASSERT_TRUE(pageContainer->RemoveChild(holder_));
  delete holder_;
  holder_ = nullptr;
  EXPECT_TRUE(::IsWindow(child)) << "closed by a posted message, not at once";
  PumpMessages();
  EXPECT_FALSE(::IsWindow(child));
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
