// manager_input_test.cpp -- mouse, keyboard and focus messages turned into
// control events and notifications: click, hover and leave, tooltips, wheel,
// keys, tab order, capture, caption hit testing.
#include "tests/ui/manager/manager_fixture.h"

#include <commctrl.h>

#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

class InputTest : public ManagerTest {
 protected:
  void Build() {
    a_ = new RecordingControl(L"a", 1, {10, 10, 60, 40});
    b_ = new RecordingControl(L"b", 2, {100, 10, 150, 40});
    root_ = AttachTree({a_, b_});
    PaintNow(hwnd_);  // lays the tree out
    notes_.clear();
  }
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(hwnd_, msg, wParam, lParam); }
  LPARAM ScreenParam(int x, int y) {
    POINT pt{x, y};
    ::ClientToScreen(hwnd_, &pt);
    return PointParam(pt.x, pt.y);
  }
  RecordingControl* a_ = nullptr;
  RecordingControl* b_ = nullptr;
  TestContainer* root_ = nullptr;
};

TEST_F(InputTest, DownAndUpInsideIsOneClick) {
  Build();
  a_->ApplyAttribute(L"notify", L"click lbuttondown");
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  EXPECT_EQ(manager_->GetPushedControl(), a_);
  EXPECT_TRUE(manager_->IsMouseCaptured());
  EXPECT_EQ(::GetCapture(), hwnd_);
  EXPECT_TRUE(a_->GetStateBits() & kStatePushed);
  const YdEvent* down = a_->Last(kEventLButtonDown);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(down->sender, a_);
  EXPECT_EQ(down->keyState, MK_LBUTTON);
  EXPECT_EQ(down->point.x, 20);
  Send(WM_LBUTTONUP, 0, PointParam(25, 22));
  EXPECT_EQ(manager_->GetPushedControl(), nullptr);
  EXPECT_FALSE(manager_->IsMouseCaptured());
  EXPECT_EQ(CountNotes(kNotifyClick), 1);
  EXPECT_EQ(CountNotes(kNotifyLButtonDown), 1);
  EXPECT_EQ(CountNotes(kNotifyLButtonUp), 0);  // not in the notify mask
  EXPECT_FALSE(a_->GetStateBits() & kStatePushed);
  EXPECT_EQ(manager_->GetFocusControl(), a_);  // the press moved the focus
}

TEST_F(InputTest, ReleaseOutsideIsNoClickAndPushedFollowsThePointer) {
  Build();
  a_->ApplyAttribute(L"notify", L"click");
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(200, 150));
  // The pushed control gets the move even though the pointer left it.
  EXPECT_EQ(a_->Count(kEventMouseMove), 1);
  EXPECT_FALSE(a_->GetStateBits() & kStatePushed);
  EXPECT_TRUE(a_->GetStateBits() & kStateCaptured);
  Send(WM_LBUTTONUP, 0, PointParam(200, 150));
  EXPECT_EQ(a_->Count(kEventLButtonUp), 1);
  EXPECT_EQ(CountNotes(kNotifyClick), 0);
}

TEST_F(InputTest, DragInProgressKeepsTheCapture) {
  Build();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  manager_->SetDragInProgress(true);
  Send(WM_LBUTTONUP, 0, PointParam(20, 20));
  EXPECT_TRUE(manager_->IsMouseCaptured());
  EXPECT_EQ(a_->Count(kEventLButtonUp), 1);
  // The drag ends after its button-up: the capture goes with the flag.
  manager_->SetDragInProgress(false);
  EXPECT_FALSE(manager_->IsMouseCaptured());
  EXPECT_NE(::GetCapture(), hwnd_);
}

TEST_F(InputTest, EndingADragWhileTheButtonIsStillDownKeepsTheCapture) {
  Build();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  manager_->SetDragInProgress(true);
  manager_->SetDragInProgress(false);  // cancelled before the button went up
  EXPECT_TRUE(manager_->IsMouseCaptured());
  Send(WM_LBUTTONUP, 0, PointParam(20, 20));
  EXPECT_FALSE(manager_->IsMouseCaptured());
}

TEST_F(InputTest, EnterAndLeaveCarryTheOtherControl) {
  Build();
  Send(WM_MOUSEMOVE, 0, PointParam(20, 20));
  ASSERT_EQ(a_->Count(kEventMouseEnter), 1);
  EXPECT_EQ(a_->Last(kEventMouseEnter)->sender, nullptr);
  EXPECT_TRUE(a_->GetStateBits() & kStateHot);
  Send(WM_MOUSEMOVE, 0, PointParam(30, 20));  // same control: no new enter
  EXPECT_EQ(a_->Count(kEventMouseEnter), 1);
  EXPECT_EQ(a_->Count(kEventMouseMove), 2);
  Send(WM_MOUSEMOVE, 0, PointParam(110, 20));
  ASSERT_EQ(a_->Count(kEventMouseLeave), 1);
  EXPECT_EQ(a_->Last(kEventMouseLeave)->sender, b_);
  EXPECT_FALSE(a_->GetStateBits() & kStateHot);
  ASSERT_EQ(b_->Count(kEventMouseEnter), 1);
  EXPECT_EQ(b_->Last(kEventMouseEnter)->sender, a_);
  EXPECT_EQ(manager_->GetHoverControl(), b_);
  // Out of every control (the point the leave handling uses): sender null.
  Send(WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
  ASSERT_EQ(b_->Count(kEventMouseLeave), 1);
  EXPECT_EQ(b_->Last(kEventMouseLeave)->sender, nullptr);
  EXPECT_EQ(manager_->GetHoverControl(), nullptr);
  EXPECT_EQ(manager_->GetLastMousePos().x, -1);
}

TEST_F(InputTest, CapturingPushedControlBlocksEnterOfOthers) {
  Build();
  a_->ApplyAttribute(L"capture", L"true");
  Send(WM_MOUSEMOVE, 0, PointParam(20, 20));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(110, 20));
  EXPECT_EQ(b_->Count(kEventMouseEnter), 0);
  EXPECT_EQ(b_->Count(kEventMouseMove), 0);  // the move goes to the pushed control
  EXPECT_EQ(a_->Count(kEventMouseLeave), 1);
}

TEST_F(InputTest, HoverShowsTheTooltipAndLeavingDeactivatesIt) {
  Build();
  // The tooltip belongs to the module the skin's resources come from.
  const HINSTANCE resources = ::GetModuleHandleW(L"kernel32.dll");
  const HINSTANCE before = GetResourceCache().GetResourceModule();
  a_->ApplyAttribute(L"tooltip", L"Hello");
  a_->ApplyAttribute(L"tooltipdelaytime", L"400");
  a_->ApplyAttribute(L"tooltipmaxwidth", L"120");
  Send(WM_MOUSEMOVE, 0, PointParam(20, 20));
  // A hover message for another point is no tooltip decision.
  EXPECT_EQ(Send(WM_MOUSEHOVER, 0, PointParam(110, 20)), 0);
  EXPECT_EQ(manager_->GetToolTipWindow(), nullptr);
  GetResourceCache().SetResourceModule(resources);
  Send(WM_MOUSEHOVER, 0, PointParam(20, 20));
  GetResourceCache().SetResourceModule(before);
  ASSERT_EQ(a_->Count(kEventMouseHover), 1);
  EXPECT_EQ(a_->Last(kEventMouseHover)->sender, a_);
  const HWND tip = manager_->GetToolTipWindow();
  ASSERT_NE(tip, nullptr);
  wchar_t cls[64] = {};
  ::GetClassNameW(tip, cls, 64);
  EXPECT_STREQ(cls, L"tooltips_class32");
  EXPECT_EQ(manager_->GetActiveToolTip(), tip);
  EXPECT_EQ(::GetWindow(tip, GW_OWNER), hwnd_);
  EXPECT_EQ(::SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 120);
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  wchar_t text[80] = {};
  info.lpszText = text;
  ASSERT_TRUE(::SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_STREQ(text, L"Hello");
  EXPECT_EQ(info.hinst, resources);
  EXPECT_EQ(info.rect.left, 10);
  EXPECT_EQ(info.rect.right, 60);
  Send(WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
  EXPECT_EQ(manager_->GetActiveToolTip(), nullptr);
  EXPECT_EQ(a_->Last(kEventMouseLeave)->sender, nullptr);
}

TEST_F(InputTest, CustomTooltipGetsTheHoverEventButNoTooltipWindow) {
  Build();
  a_->ApplyAttribute(L"tooltip", L"Hello");
  a_->ApplyAttribute(L"tooltipdelaytime", L"400");
  a_->ApplyAttribute(L"customtooltip", L"true");
  a_->ApplyAttribute(L"notify", L"mousehover");
  Send(WM_MOUSEMOVE, 0, PointParam(20, 20));
  Send(WM_MOUSEHOVER, 0, PointParam(20, 20));
  EXPECT_EQ(a_->Count(kEventMouseHover), 1);
  EXPECT_EQ(CountNotes(kNotifyMouseHover), 1);
  EXPECT_EQ(manager_->GetToolTipWindow(), nullptr);
}

TEST_F(InputTest, WithoutDelayTimeNoHoverIsTracked) {
  Build();
  a_->ApplyAttribute(L"tooltip", L"Hello");
  Send(WM_MOUSEMOVE, 0, PointParam(20, 20));
  EXPECT_EQ(Send(WM_MOUSEHOVER, 0, PointParam(20, 20)), 0);
  EXPECT_EQ(a_->Count(kEventMouseHover), 0);
}

TEST_F(InputTest, WheelEventThenSyntheticMove) {
  Build();
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), ScreenParam(20, 20));
  ASSERT_EQ(a_->Count(kEventMouseWheel), 1);
  const YdEvent* wheel = a_->Last(kEventMouseWheel);
  EXPECT_EQ(wheel->wParam, 1u);
  EXPECT_EQ(wheel->sender, a_);
  EXPECT_EQ(wheel->point.x, 0);  // the wheel event carries no point
  // The move that follows lets hover follow the content.
  ASSERT_EQ(a_->events_.back().type, kEventMouseMove);
  EXPECT_EQ(a_->events_.back().point.x, 20);
  EXPECT_EQ(manager_->GetHoverControl(), a_);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), ScreenParam(20, 20));
  EXPECT_EQ(a_->Last(kEventMouseWheel)->wParam, 0u);
}

TEST_F(InputTest, KeysGoToTheFocusAndKeyUpToTheKeyDownControl) {
  Build();
  a_->SetFocus();
  ASSERT_EQ(manager_->GetFocusControl(), a_);
  Send(WM_KEYDOWN, 'Q', 0x10001);
  ASSERT_EQ(a_->Count(kEventKeyDown), 1);
  EXPECT_EQ(a_->Last(kEventKeyDown)->key, 'Q');
  EXPECT_EQ(a_->Last(kEventKeyDown)->sender, nullptr);
  EXPECT_EQ(a_->Last(kEventKeyDown)->lParam, 0x10001);
  b_->SetFocus();
  Send(WM_KEYUP, 'Q', 0);
  EXPECT_EQ(a_->Count(kEventKeyUp), 1);  // the control that saw the key go down
  EXPECT_EQ(b_->Count(kEventKeyUp), 0);
  Send(WM_KEYUP, 'Q', 0);  // no key-down control any more
  EXPECT_EQ(a_->Count(kEventKeyUp), 1);
  Send(WM_CHAR, L'x', 0);
  EXPECT_EQ(b_->Count(kEventChar), 1);
  EXPECT_EQ(b_->Last(kEventChar)->key, L'x');
}

TEST_F(InputTest, SpaceActivatesOnlyWithSpaceReturn) {
  Build();
  a_->ApplyAttribute(L"notify", L"click");
  a_->SetFocus();
  Send(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(CountNotes(kNotifyClick), 0);
  a_->ApplyAttribute(L"spacereturn", L"true");
  Send(WM_KEYDOWN, VK_SPACE, 0);
  Send(WM_KEYDOWN, VK_RETURN, 0);
  Send(WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(CountNotes(kNotifyClick), 2);
}

TEST_F(InputTest, SystemKeysReachTheFocusThroughPreTranslate) {
  Build();
  a_->SetFocus();
  MSG msg{hwnd_, WM_SYSKEYDOWN, VK_F10, 0, 0, {0, 0}};
  EXPECT_FALSE(manager_->PreTranslate(msg));
  msg.message = WM_SYSKEYUP;
  EXPECT_FALSE(manager_->PreTranslate(msg));
  EXPECT_EQ(a_->Count(kEventSysKeyDown), 1);
  EXPECT_EQ(a_->Count(kEventSysKeyUp), 1);
  EXPECT_EQ(a_->Last(kEventSysKeyDown)->key, VK_F10);
}

void SetShift(bool down) {
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  ::SetKeyboardState(keys);
}

TEST_F(InputTest, TabAndShiftTabWrapAround) {
  auto* t1 = new RecordingControl(L"t1", 0, {0, 0, 10, 10});
  auto* plain = new RecordingControl(L"plain", 0, {20, 0, 30, 10});
  auto* t2 = new RecordingControl(L"t2", 0, {40, 0, 50, 10});
  auto* hidden = new RecordingControl(L"hidden", 0, {60, 0, 70, 10});
  auto* t3 = new RecordingControl(L"t3", 0, {80, 0, 90, 10});
  for (YdControl* c : {t1, t2, hidden, t3}) c->ApplyAttribute(L"flags", L"tabstop");
  hidden->SetVisible(false);
  AttachTree({t1, plain, t2, hidden, t3});
  PaintNow(hwnd_);
  ASSERT_EQ(manager_->GetFocusControl(), t1);  // the first paint focuses the first tab stop
  const MSG tab{hwnd_, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  SetShift(false);
  EXPECT_TRUE(manager_->PreTranslate(tab));
  EXPECT_EQ(manager_->GetFocusControl(), t2);
  EXPECT_TRUE(manager_->PreTranslate(tab));
  EXPECT_EQ(manager_->GetFocusControl(), t3);  // the hidden one is skipped
  EXPECT_TRUE(manager_->PreTranslate(tab));
  EXPECT_EQ(manager_->GetFocusControl(), t1);  // wraps to the first
  SetShift(true);
  EXPECT_TRUE(manager_->PreTranslate(tab));
  EXPECT_EQ(manager_->GetFocusControl(), t3);  // Shift+Tab on the first: the last
  EXPECT_TRUE(manager_->PreTranslate(tab));
  EXPECT_EQ(manager_->GetFocusControl(), t2);
  SetShift(false);
  ASSERT_EQ(t1->Count(kEventKillFocus), 2);
  EXPECT_EQ(t1->Last(kEventKillFocus)->sender, t3);  // kill focus names the new focus
  EXPECT_EQ(t2->Last(kEventSetFocus)->sender, t2);
  const MSG other{hwnd_, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
  EXPECT_FALSE(manager_->PreTranslate(other));
}

TEST_F(InputTest, TabWithoutTabStopsIsConsumedAndKeepsTheFocus) {
  Build();
  a_->SetFocus();
  const MSG tab{hwnd_, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  SetShift(false);
  EXPECT_TRUE(manager_->PreTranslate(tab));
  EXPECT_EQ(manager_->GetFocusControl(), a_);
}

TEST_F(InputTest, FocusRefusesInvisibleDisabledAndForeignControls) {
  Build();
  a_->SetFocus();
  b_->SetEnabled(false);
  b_->SetFocus();
  EXPECT_EQ(manager_->GetFocusControl(), nullptr);  // the old focus is lost still
  EXPECT_EQ(a_->Count(kEventKillFocus), 1);
  EXPECT_FALSE(a_->IsFocused());
  RecordingControl stranger;
  manager_->SetFocusControl(&stranger, false);
  EXPECT_EQ(manager_->GetFocusControl(), nullptr);
}

TEST_F(InputTest, KillFocusToAChildWindowTakesTheFocusAndTheHover) {
  Build();
  const HWND child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, hwnd_, nullptr, nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  a_->SetFocus();
  Send(WM_MOUSEMOVE, 0, PointParam(110, 20));
  LRESULT result = 0;
  EXPECT_FALSE(manager_->HandleWindowMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(child), 0, result));
  EXPECT_EQ(manager_->GetFocusControl(), nullptr);
  EXPECT_EQ(a_->Last(kEventKillFocus)->sender, nullptr);
  EXPECT_EQ(b_->Last(kEventMouseLeave)->sender, nullptr);
  EXPECT_EQ(manager_->GetHoverControl(), nullptr);
  // A control that hosts that window takes the focus instead.
  b_->SetNativeWindow(child);
  manager_->HandleWindowMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(child), 0, result);
  EXPECT_EQ(manager_->GetFocusControl(), b_);
  EXPECT_TRUE(b_->IsFocused());
  EXPECT_EQ(manager_->ControlOfWindow(child), b_);
  ::DestroyWindow(child);
}

TEST_F(InputTest, RightButtonCapturesAndContextMenuReleases) {
  Build();
  b_->ApplyAttribute(L"notify", L"rbuttondown contextmenu");
  Send(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(110, 20));
  EXPECT_EQ(manager_->GetCapturedControl(), b_);
  EXPECT_EQ(manager_->GetFocusControl(), b_);
  EXPECT_EQ(CountNotes(kNotifyRButtonDown), 1);
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd_), ScreenParam(112, 21));
  EXPECT_EQ(manager_->GetCapturedControl(), nullptr);
  ASSERT_EQ(b_->Count(kEventContextMenu), 1);
  EXPECT_EQ(b_->Last(kEventContextMenu)->point.x, 112);
  EXPECT_EQ(CountNotes(kNotifyContextMenu), 1);
  EXPECT_EQ(manager_->GetLastMousePos().y, 21);
}

TEST_F(InputTest, DoubleClickPushesWithoutClick) {
  Build();
  a_->ApplyAttribute(L"notify", L"click lbuttondbclick");
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(20, 20));
  EXPECT_EQ(a_->Count(kEventLButtonDblClk), 1);
  EXPECT_EQ(CountNotes(kNotifyLButtonDblClick), 1);
  EXPECT_FALSE(a_->GetStateBits() & kStateCaptured);  // released without a click
  EXPECT_EQ(manager_->GetPushedControl(), a_);
  Send(WM_LBUTTONUP, 0, PointParam(20, 20));
  EXPECT_EQ(CountNotes(kNotifyClick), 0);
}

// Holding a button and closing the window (Alt+F4) must not click it:
// the press ends at a point outside every control, and the capture goes.
TEST_F(InputTest, CloseEndsHoverAndPressWithoutAClick) {
  Build();
  a_->ApplyAttribute(L"notify", L"click");
  Send(WM_MOUSEMOVE, 0, PointParam(110, 20));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  LRESULT result = 0;
  EXPECT_FALSE(manager_->HandleWindowMessage(WM_CLOSE, 0, 0, result));
  EXPECT_EQ(b_->Last(kEventMouseLeave)->sender, b_);
  EXPECT_EQ(a_->Last(kEventLButtonUp)->sender, a_);
  EXPECT_EQ(CountNotes(kNotifyClick), 0);
  EXPECT_FALSE(a_->GetStateBits() & kStatePushed);
  EXPECT_EQ(manager_->GetPushedControl(), nullptr);
  EXPECT_FALSE(manager_->IsMouseCaptured());
  EXPECT_NE(::GetCapture(), hwnd_);
  Send(WM_LBUTTONUP, 0, PointParam(20, 20));  // the button comes up afterwards
  EXPECT_EQ(CountNotes(kNotifyClick), 0);
}

// A press whose control goes away before the button comes up (deleted, or
// the tree replaced) leaves no capture behind: the cursor would stay frozen
// and the next click elsewhere would still come here.
TEST_F(InputTest, TheCaptureGoesWithAPressedControlThatGoesAway) {
  Build();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  ASSERT_TRUE(manager_->IsMouseCaptured());
  root_->Remove(a_);
  delete a_;
  EXPECT_FALSE(manager_->IsMouseCaptured());
  EXPECT_NE(::GetCapture(), hwnd_);
  Send(WM_LBUTTONUP, 0, PointParam(20, 20));

  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(110, 20));
  ASSERT_EQ(manager_->GetPushedControl(), b_);
  manager_->AttachRoot(new TestContainer());  // b_ goes with the old tree
  EXPECT_FALSE(manager_->IsMouseCaptured());
  EXPECT_NE(::GetCapture(), hwnd_);
  Send(WM_LBUTTONUP, 0, PointParam(110, 20));
  EXPECT_FALSE(manager_->IsMouseCaptured());
}

// Another window taking the capture (a modal loop, a menu) ends the press
// without a click, and the manager no longer claims a capture it lost.
TEST_F(InputTest, LosingTheCaptureEndsThePressWithoutAClick) {
  Build();
  a_->ApplyAttribute(L"notify", L"click");
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  ASSERT_EQ(::GetCapture(), hwnd_);
  ::ReleaseCapture();
  EXPECT_FALSE(manager_->IsMouseCaptured());
  EXPECT_EQ(manager_->GetPushedControl(), nullptr);
  EXPECT_FALSE(a_->GetStateBits() & kStatePushed);
  Send(WM_LBUTTONUP, 0, PointParam(20, 20));
  EXPECT_EQ(CountNotes(kNotifyClick), 0);
}

TEST_F(InputTest, CaptionAreaAndSizeBorderHitCodes) {
  Build();
  manager_->SetCaptionRect({0, 0, 0, 50});
  manager_->SetSizeBox({4, 4, 4, 4, 8});
  auto hit = [&](int x, int y) { return Send(WM_NCHITTEST, 0, ScreenParam(x, y)); };
  EXPECT_EQ(hit(2, 2), HTTOPLEFT);
  EXPECT_EQ(hit(150, 2), HTTOP);
  EXPECT_EQ(hit(2, 10), HTTOPLEFT);  // within the corner extent
  EXPECT_EQ(hit(2, 100), HTLEFT);
  EXPECT_EQ(hit(298, 198), HTBOTTOMRIGHT);
  // Caption band: background without the caption flag is the default answer.
  EXPECT_EQ(hit(200, 30), HTCLIENT);
  root_->ApplyAttribute(L"caption", L"true");
  EXPECT_EQ(hit(200, 30), HTCAPTION);
  EXPECT_EQ(hit(20, 20), HTCLIENT);    // a control without the flag stays clickable
  EXPECT_EQ(hit(200, 100), HTCLIENT);  // below the caption band
  // A left button press on that control still reaches it.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  EXPECT_EQ(a_->Count(kEventLButtonDown), 1);
}

// A press on the caption pushes the control under it without capturing the
// mouse: the window system's move loop takes the capture of the window then
// (stood in for here by SetCapture) and ends on its own button-up. A
// button-up the manager fakes meanwhile (mouse-leave) or a non-client
// button-up must leave that capture alone, or the move loop never sees its
// button-up and the window keeps following the pointer.
TEST_F(InputTest, CaptionPressLeavesTheMoveLoopsCaptureAlone) {
  Build();
  manager_->SetCaptionRect({0, 0, 0, 50});
  LRESULT result = 0;
  EXPECT_FALSE(manager_->HandleWindowMessage(WM_NCLBUTTONDOWN, HTCAPTION, ScreenParam(20, 20), result));
  EXPECT_EQ(manager_->GetPushedControl(), a_);
  EXPECT_EQ(a_->Count(kEventLButtonDown), 1);
  EXPECT_FALSE(manager_->IsMouseCaptured());
  ::SetCapture(hwnd_);
  Send(WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(a_->Count(kEventLButtonUp), 1);  // the pushed control is let go
  EXPECT_EQ(manager_->GetPushedControl(), nullptr);
  EXPECT_EQ(::GetCapture(), hwnd_);

  EXPECT_FALSE(manager_->HandleWindowMessage(WM_NCLBUTTONDOWN, HTCAPTION, ScreenParam(110, 20), result));
  EXPECT_EQ(manager_->GetPushedControl(), b_);
  EXPECT_FALSE(manager_->HandleWindowMessage(WM_NCLBUTTONUP, HTCAPTION, ScreenParam(110, 20), result));
  EXPECT_EQ(b_->Count(kEventLButtonUp), 1);
  // The non-client button-up's screen point reaches the control in client
  // coordinates, as the button-down's does.
  EXPECT_EQ(b_->Last(kEventLButtonUp)->point.x, 110);
  EXPECT_EQ(b_->Last(kEventLButtonUp)->point.y, 20);
  EXPECT_EQ(manager_->GetLastMousePos().x, 110);
  EXPECT_EQ(::GetCapture(), hwnd_);
  ::ReleaseCapture();

  // A client press still captures, and its button-up releases.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  EXPECT_EQ(::GetCapture(), hwnd_);
  Send(WM_LBUTTONUP, 0, PointParam(20, 20));
  EXPECT_NE(::GetCapture(), hwnd_);
  EXPECT_FALSE(manager_->IsMouseCaptured());
}

TEST_F(InputTest, SetCursorReachesControlsWithTheSetCursorFlag) {
  Build();
  a_->ApplyAttribute(L"flags", L"setcursor");
  POINT pt{20, 20};
  ::ClientToScreen(hwnd_, &pt);
  ASSERT_TRUE(::SetCursorPos(pt.x, pt.y));
  POINT now{};
  ::GetCursorPos(&now);
  if (now.x != pt.x || now.y != pt.y) GTEST_SKIP() << "the display does not move the pointer";
  LRESULT result = 0;
  EXPECT_TRUE(manager_->HandleWindowMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd_),
                                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), result));
  ASSERT_EQ(a_->Count(kEventSetCursor), 1);
  EXPECT_EQ(a_->Last(kEventSetCursor)->point.x, 20);
  EXPECT_FALSE(manager_->HandleWindowMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd_),
                                             MAKELPARAM(HTCAPTION, WM_MOUSEMOVE), result));
  a_->SetFlag(kFlagSetCursor, false);
  EXPECT_FALSE(manager_->HandleWindowMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd_),
                                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), result));
  EXPECT_EQ(a_->Count(kEventSetCursor), 1);
}

TEST_F(InputTest, CommandsFromChildWindowsAreReflected) {
  Build();
  LRESULT result = 0;
  EXPECT_FALSE(manager_->HandleWindowMessage(WM_COMMAND, 5, 0, result));
  const HWND child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, hwnd_, nullptr, nullptr, nullptr);
  EXPECT_TRUE(manager_->HandleWindowMessage(WM_COMMAND, 5, reinterpret_cast<LPARAM>(child), result));
  ::DestroyWindow(child);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
