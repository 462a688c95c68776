// manager_paint_test.cpp -- the painting pipeline: first-paint duties in
// order, the reused off-screen DIB, placement of controls marked for layout,
// layered windows with the drawn caret, and the window region of WM_SIZE.
#include "tests/ui/manager/manager_fixture.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST_F(ManagerTest, FirstPaintLaysOutFocusesThenRaisesNotificationOneOnce) {
  auto* plain = new RecordingControl(L"plain", 0, {0, 0, 10, 10});
  auto* first = new RecordingControl(L"first", 0, {20, 0, 30, 10});
  auto* second = new RecordingControl(L"second", 0, {40, 0, 50, 10});
  first->ApplyAttribute(L"flags", L"tabstop");
  second->ApplyAttribute(L"flags", L"tabstop");
  auto* root = AttachTree({plain, first, second});
  YdControl* focusAtInit = nullptr;
  RECT rootAtInit{};
  listener_.onNotify = [&](YdNotifyMsg& msg) {
    if (msg.type != kNotifyWindowInit) return;
    focusAtInit = manager_->GetFocusControl();
    rootAtInit = manager_->GetRoot()->GetPosition();
  };
  EXPECT_EQ(CountNotes(kNotifyWindowInit), 0);  // nothing before the paint
  PaintNow(hwnd_);
  ASSERT_EQ(CountNotes(kNotifyWindowInit), 1);
  EXPECT_EQ(notes_.front().sender, root);
  EXPECT_EQ(focusAtInit, first);
  EXPECT_EQ(rootAtInit.right, 300);
  EXPECT_EQ(rootAtInit.bottom, 200);
  EXPECT_EQ(first->GetPosition().left, 20);  // children placed by the layout
  PaintNow(hwnd_);
  PaintNow(hwnd_);
  EXPECT_EQ(CountNotes(kNotifyWindowInit), 1);
  EXPECT_EQ(manager_->GetFocusControl(), first);
  EXPECT_EQ(root->placements_, 1);  // the root is laid out once, not per paint
}

TEST_F(ManagerTest, PaintsThroughTheReusedOffscreenBitmap) {
  auto* red = new RecordingControl(L"red", 0, {10, 10, 60, 40});
  red->ApplyAttribute(L"normalbkcolor", L"#FFFF0000");
  auto* root = AttachTree({red});
  root->ApplyAttribute(L"normalbkcolor", L"#FF0000FF");
  PaintNow(hwnd_);
  ASSERT_NE(manager_->GetOffscreenBits(), nullptr);
  EXPECT_EQ(manager_->GetOffscreenSize().cx, 300);
  EXPECT_EQ(OffscreenPixel(*manager_, 20, 20), 0xFF0000u);
  EXPECT_EQ(OffscreenPixel(*manager_, 5, 5), 0x0000FFu);
  EXPECT_EQ(OffscreenPixel(*manager_, 60, 40), 0x0000FFu);  // right and bottom lie outside
  // The same pixels reached the window.
  const HDC dc = ::GetDC(hwnd_);
  EXPECT_EQ(::GetPixel(dc, 20, 20), RGB(255, 0, 0));
  ::ReleaseDC(hwnd_, dc);
  const HBITMAP before = manager_->GetOffscreenBitmap();
  red->ApplyAttribute(L"normalbkcolor", L"#FF00FF00");  // invalidates its rectangle
  ::UpdateWindow(hwnd_);
  EXPECT_EQ(manager_->GetOffscreenBitmap(), before);
  EXPECT_EQ(OffscreenPixel(*manager_, 20, 20), 0x00FF00u);
  // A size change drops the surface; the next paint makes one of the new size.
  ::SetWindowPos(hwnd_, nullptr, 0, 0, 250, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(manager_->IsLayoutPending());
  PaintNow(hwnd_);
  EXPECT_EQ(manager_->GetOffscreenSize().cx, 250);
  EXPECT_EQ(manager_->GetOffscreenSize().cy, 120);
  EXPECT_EQ(manager_->GetRoot()->GetPosition().right, 250);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(ManagerTest, ControlsMarkedForLayoutArePlacedAgainAtTheNextPaint) {
  auto* a = new RecordingControl(L"a", 0, {10, 10, 60, 40});
  auto* root = AttachTree({a});
  PaintNow(hwnd_);
  ASSERT_EQ(root->placements_, 1);
  a->SetFixedXY({100, 100});
  a->NeedParentUpdate();  // marks the root and asks for a pass
  EXPECT_TRUE(root->NeedsLayout());
  PaintNow(hwnd_);
  EXPECT_EQ(root->placements_, 2);
  EXPECT_FALSE(root->NeedsLayout());
  EXPECT_EQ(a->GetPosition().left, 100);
}

TEST_F(ManagerTest, LayeredWindowIsPushedWithItsAlpha) {
  auto* half = new RecordingControl(L"half", 0, {0, 0, 100, 100});
  half->ApplyAttribute(L"normalbkcolor", L"#80FF0000");
  AttachTree({half});
  manager_->SetLayered(true);
  manager_->SetLayeredAlpha(300);  // out of range: taken as 255
  EXPECT_EQ(manager_->UpdateLayered(manager_->GetLayeredAlpha()), 1);
  EXPECT_NE(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(CountNotes(kNotifyWindowInit), 1);
  ::GdiFlush();
  const uint32_t* bits = manager_->GetOffscreenBits();
  ASSERT_NE(bits, nullptr);
  const SIZE size = manager_->GetOffscreenSize();
  const uint32_t inside = bits[static_cast<size_t>(size.cy - 1 - 50) * size.cx + 50];
  EXPECT_EQ(inside >> 24, 0x80u);  // the colour's alpha survives for the layered push
  const uint32_t outside = bits[static_cast<size_t>(size.cy - 1 - 150) * size.cx + 150];
  EXPECT_EQ(outside, 0u);  // nothing painted: fully transparent
  // WM_PAINT of a layered window goes through the same push and validates.
  ::InvalidateRect(hwnd_, nullptr, FALSE);
  LRESULT result = 0;
  EXPECT_TRUE(manager_->HandleWindowMessage(WM_PAINT, 0, 0, result));
  RECT update{};
  EXPECT_FALSE(::GetUpdateRect(hwnd_, &update, FALSE));
}

TEST_F(ManagerTest, LayeredCaretIsDrawnOnItsBlinkPhase) {
  AttachTree({});
  manager_->SetLayered(true);
  manager_->UpdateLayered(255);
  manager_->CreateCaretShape(2, 12, nullptr);
  manager_->SetCaretPos({50, 40});
  manager_->ShowCaretShape();
  ASSERT_NE(manager_->GetCaret(), nullptr);
  EXPECT_TRUE(manager_->GetCaret()->shown);
  EXPECT_FALSE(manager_->GetCaret()->phaseOn);  // first drawn after 50 ms
  auto caretPixel = [&] {
    ::GdiFlush();
    const SIZE size = manager_->GetOffscreenSize();
    return manager_->GetOffscreenBits()[static_cast<size_t>(size.cy - 1 - 45) * size.cx + 50];
  };
  EXPECT_EQ(caretPixel(), 0u);
  ::SendMessageW(hwnd_, WM_TIMER, kCaretBlinkTimerId, 0);
  EXPECT_TRUE(manager_->GetCaret()->phaseOn);
  EXPECT_EQ(caretPixel(), 0xFF000000u);  // opaque black
  ::SendMessageW(hwnd_, WM_TIMER, kCaretBlinkTimerId, 0);
  EXPECT_EQ(caretPixel(), 0u);
  // The real timer blinks it too.
  PumpFor(700);
  manager_->HideCaretShape();
  EXPECT_FALSE(manager_->GetCaret()->shown);
  EXPECT_EQ(caretPixel(), 0u);
}

// A caret shape made again over a shown caret starts hidden: its blink
// timer 259 stops rather than waking the window for ever. KillTimer tells
// whether the timer still ran.
TEST_F(ManagerTest, ANewCaretShapeOverAShownOneStopsTheBlink) {
  AttachTree({});
  manager_->SetLayered(true);
  manager_->UpdateLayered(255);
  manager_->CreateCaretShape(2, 12, nullptr);
  manager_->ShowCaretShape();
  manager_->CreateCaretShape(2, 14, nullptr);
  EXPECT_FALSE(::KillTimer(hwnd_, kCaretBlinkTimerId));
  ::SendMessageW(hwnd_, WM_TIMER, kCaretBlinkTimerId, 0);  // a tick already on its way
  EXPECT_FALSE(::KillTimer(hwnd_, kCaretBlinkTimerId));
  manager_->DestroyCaretShape();
}

TEST_F(ManagerTest, RoundCornerRegionOnSize) {
  AttachTree({});
  manager_->SetRoundCorner(6, 0);
  ::SendMessageW(hwnd_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
  HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(hwnd_, rgn), ERROR);
  EXPECT_FALSE(::PtInRegion(rgn, 0, 0));      // top corners rounded
  EXPECT_FALSE(::PtInRegion(rgn, 299, 0));
  EXPECT_TRUE(::PtInRegion(rgn, 0, 199));     // bottom corners square
  EXPECT_TRUE(::PtInRegion(rgn, 299, 199));
  EXPECT_TRUE(::PtInRegion(rgn, 150, 100));
  // Minimised: nothing changes, still handled.
  LRESULT result = 0;
  EXPECT_TRUE(manager_->HandleWindowMessage(WM_SIZE, SIZE_MINIMIZED, 0, result));
  ::DeleteObject(rgn);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
