// The window wrapper on real windows under Wine: class registration and the
// window-object binding, message forwarding, delayed show, heartbeat,
// PostClose, the modal loop with its owner, centring and the app icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <imm.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "tests/support/pump.h"
#include "ui/window/window_wnd.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

constexpr UINT kProbe = WM_USER + 5;

// Records what reaches ProcessMessage.
class RecordingWnd : public YdWindowWnd {
 public:
  explicit RecordingWnd(const wchar_t* className = L"YdTestRecordingWnd",
                        const wchar_t* superclass = nullptr)
      : class_name_(className), superclass_(superclass) {}
  ~RecordingWnd() override {
    if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
  }
  const wchar_t* QueryClassName() const override { return class_name_; }
  const wchar_t* QuerySuperclassName() const override { return superclass_; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    messages.push_back(msg);
    if (msg == WM_TIMER && wParam == 257) {
      show_ticks.push_back({::GetTickCount(), GetShowDelay()});
    }
    if (msg == WM_TIMER && wParam == 258) ++heartbeats;
    if (msg == WM_IME_NOTIFY) ime_params.push_back(wParam);
    if (msg == kProbe && onProbe) onProbe();
    return YdWindowWnd::ProcessMessage(msg, wParam, lParam);
  }
  void OnFinalDestroy(HWND hwnd) override { final_destroyed.push_back(hwnd); }
  void OnBeforeModal() override { ++before_modal; }
  void ShowNormalNow() override {
    shown_at = ::GetTickCount();
    YdWindowWnd::ShowNormalNow();
    if (onShown) onShown();
  }
  int Count(UINT msg) const { return static_cast<int>(std::count(messages.begin(), messages.end(), msg)); }

  struct Tick {
    DWORD at;
    int delayBefore;
  };
  std::vector<UINT> messages;
  std::vector<Tick> show_ticks;
  std::vector<WPARAM> ime_params;
  std::vector<HWND> final_destroyed;
  std::function<void()> onProbe;
  std::function<void()> onShown;
  int heartbeats = 0;
  int before_modal = 0;
  DWORD shown_at = 0;

 private:
  const wchar_t* class_name_;
  const wchar_t* superclass_;
};

HWND CreatePopup(YdWindowWnd& wnd, HWND owner = nullptr, int x = 100, int y = 100, int cx = 200,
                 int cy = 100) {
  return wnd.Create(owner, L"test", WS_POPUP, 0, x, y, cx, cy);
}

TEST(WindowWnd, PlainClassBindsThroughUserDataAndForwardsMessages) {
  RecordingWnd wnd;
  const HWND hwnd = CreatePopup(wnd);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(wnd.GetHWND(), hwnd);
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetClassInfoExW(::GetModuleHandleW(nullptr), L"YdTestRecordingWnd", &info));
  EXPECT_EQ(info.hCursor, ::LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(info.hbrBackground, nullptr);
  EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&wnd));
  EXPECT_EQ(::GetPropW(hwnd, kWindowObjectProperty), nullptr);
  // WM_NCCREATE binds before the rest of creation: WM_CREATE reached the object.
  EXPECT_EQ(wnd.Count(WM_CREATE), 1);

  EXPECT_EQ(::SendMessageW(hwnd, kProbe, 0, 0), 0);
  EXPECT_EQ(wnd.Count(kProbe), 1);
  // Unhandled messages reach the default procedure: WM_SETTEXT sets the title.
  ::SetWindowTextW(hwnd, L"renamed");
  wchar_t title[32] = {};
  ::GetWindowTextW(hwnd, title, 32);
  EXPECT_STREQ(title, L"renamed");

  // A second object registers the same class again without failing.
  RecordingWnd second;
  EXPECT_NE(CreatePopup(second), nullptr);

  ASSERT_TRUE(::DestroyWindow(hwnd));
  EXPECT_EQ(wnd.GetHWND(), nullptr);
  ASSERT_EQ(wnd.final_destroyed.size(), 1u);
  EXPECT_EQ(wnd.final_destroyed[0], hwnd);
  EXPECT_EQ(wnd.Count(WM_DESTROY), 1);
}

TEST(WindowWnd, SuperclassBindsThroughThePropertyAndKeepsTheBaseProcedure) {
  RecordingWnd wnd(L"YdTestEditSuperclass", L"EDIT");
  const HWND hwnd = wnd.Create(nullptr, L"abc", WS_POPUP, 0, 0, 0, 100, 30);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(::GetPropW(hwnd, kWindowObjectProperty), &wnd);
  EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
  // The edit procedure still answers: it selects text and knows its limit.
  ::SendMessageW(hwnd, EM_SETSEL, 1, 3);
  DWORD start = 0, end = 0;
  ::SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 3u);
  EXPECT_GE(wnd.Count(EM_GETSEL), 1);

  ::DestroyWindow(hwnd);
  EXPECT_EQ(wnd.GetHWND(), nullptr);
  EXPECT_EQ(wnd.final_destroyed.size(), 1u);
}

// Leaves its window alive when it goes.
class PlainWnd : public YdWindowWnd {
 public:
  const wchar_t* QueryClassName() const override { return name; }
  const wchar_t* QuerySuperclassName() const override { return superclass; }
  const wchar_t* name = L"YdTestPlainWnd";
  const wchar_t* superclass = nullptr;
};

TEST(WindowWnd, ADestroyedObjectLeavesItsWindowUnbound) {
  auto plain = std::make_unique<PlainWnd>();
  const HWND hwnd = CreatePopup(*plain);
  ASSERT_NE(hwnd, nullptr);
  plain.reset();
  EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
  ::SendMessageW(hwnd, kProbe, 0, 0);  // reaches the default procedure only
  EXPECT_TRUE(::DestroyWindow(hwnd));

  auto edit = std::make_unique<PlainWnd>();
  edit->name = L"YdTestPlainEdit";
  edit->superclass = L"EDIT";
  const HWND editHwnd = edit->Create(nullptr, L"", WS_POPUP, 0, 0, 0, 50, 20);
  ASSERT_NE(editHwnd, nullptr);
  ASSERT_EQ(::GetPropW(editHwnd, kWindowObjectProperty), edit.get());
  edit.reset();
  EXPECT_EQ(::GetPropW(editHwnd, kWindowObjectProperty), nullptr);
  EXPECT_TRUE(::DestroyWindow(editHwnd));
}

// A window destroyed by one of its own handlers keeps its object until the
// handler has returned: an object that deletes itself in OnFinalDestroy is
// not used afterwards by the code still running.
TEST(WindowWnd, DestroyedFromItsOwnHandlerFinishesAfterTheHandler) {
  RecordingWnd wnd;
  const HWND hwnd = CreatePopup(wnd);
  ASSERT_NE(hwnd, nullptr);
  size_t finishedInHandler = 99;
  wnd.onProbe = [&] {
    ::DestroyWindow(hwnd);
    finishedInHandler = wnd.final_destroyed.size();
  };
  ::SendMessageW(hwnd, kProbe, 0, 0);
  EXPECT_EQ(finishedInHandler, 0u);
  ASSERT_EQ(wnd.final_destroyed.size(), 1u);
  EXPECT_EQ(wnd.final_destroyed[0], hwnd);
  EXPECT_EQ(wnd.GetHWND(), nullptr);
}

TEST(WindowWnd, SuperclassOfAnUnknownClassFailsCreate) {
  RecordingWnd wnd(L"YdTestNoBase", L"NoSuchBaseClassAnywhere");
  EXPECT_EQ(wnd.Create(nullptr, L"", WS_POPUP, 0, 0, 0, 10, 10), nullptr);
  EXPECT_EQ(wnd.GetHWND(), nullptr);
}

TEST(WindowWnd, DelayedShowStepsHundredHundredFifty) {
  RecordingWnd wnd;
  ASSERT_NE(CreatePopup(wnd), nullptr);
  wnd.SetShowDelay(250);
  const DWORD start = ::GetTickCount();
  wnd.ShowWithDelay(true, true);
  // The show request turned into a hide; the first step is under way.
  EXPECT_FALSE(::IsWindowVisible(wnd.GetHWND()));
  EXPECT_EQ(wnd.GetShowDelay(), 150);
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(wnd.GetHWND()) != FALSE; }));
  // Three ticks: the delays left before each were 150, 50 and 0.
  ASSERT_EQ(wnd.show_ticks.size(), 3u);
  EXPECT_EQ(wnd.show_ticks[0].delayBefore, 150);
  EXPECT_EQ(wnd.show_ticks[1].delayBefore, 50);
  EXPECT_EQ(wnd.show_ticks[2].delayBefore, 0);
  EXPECT_EQ(wnd.GetShowDelay(), 0);
  // Timers never fire early: the window waited at least the whole delay
  // (tick counts may be coarse by one timer period).
  EXPECT_GE(wnd.shown_at - start, 230u);
  // Timer 257 is gone: no further ticks.
  PumpFor(250);
  EXPECT_EQ(wnd.show_ticks.size(), 3u);
}

TEST(WindowWnd, ShowAfterTickShowsOnTheNextTickRegardlessOfTheDelay) {
  RecordingWnd wnd;
  ASSERT_NE(CreatePopup(wnd), nullptr);
  wnd.SetShowDelay(60000);
  wnd.ShowWithDelay(true, false);
  EXPECT_FALSE(::IsWindowVisible(wnd.GetHWND()));
  wnd.ShowAfterTick();
  EXPECT_EQ(wnd.GetShowDelay(), 0);
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(wnd.GetHWND()) != FALSE; }, 1500));
}

TEST(WindowWnd, ShowWithoutDelayShowsAtOnceAndStartsTheHeartbeat) {
  RecordingWnd wnd;
  ASSERT_NE(CreatePopup(wnd), nullptr);
  wnd.ShowWithDelay(true, false);
  EXPECT_TRUE(::IsWindowVisible(wnd.GetHWND()));
  EXPECT_TRUE(wnd.show_ticks.empty());
  ASSERT_TRUE(PumpUntil([&] { return wnd.heartbeats >= 3; }, 2000));
  // Hiding keeps the heartbeat running.
  wnd.ShowWithDelay(false, false);
  EXPECT_FALSE(::IsWindowVisible(wnd.GetHWND()));
  const int before = wnd.heartbeats;
  ASSERT_TRUE(PumpUntil([&] { return wnd.heartbeats >= before + 2; }, 2000));

  // PostClose stops the heartbeat and closes the window through WM_CLOSE.
  const HWND hwnd = wnd.GetHWND();
  EXPECT_NE(wnd.PostClose(), 0);
  const int beats = wnd.heartbeats;
  ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hwnd); }));
  EXPECT_EQ(wnd.Count(WM_CLOSE), 1);
  EXPECT_EQ(wnd.heartbeats, beats);
  // Without a window both do nothing.
  EXPECT_EQ(wnd.PostClose(), 0);
  EXPECT_EQ(wnd.ShowWithDelay(true, true), 0);
}

TEST(WindowWnd, RunModalDisablesTheOwnerAndEnablesItAgainOnClose) {
  RecordingWnd owner(L"YdTestOwner");
  ASSERT_NE(CreatePopup(owner), nullptr);
  ::ShowWindow(owner.GetHWND(), SW_SHOW);
  RecordingWnd dialog(L"YdTestDialog");
  ASSERT_NE(CreatePopup(dialog, owner.GetHWND()), nullptr);

  bool ownerEnabledInLoop = true;
  dialog.onProbe = [&] {
    ownerEnabledInLoop = ::IsWindowEnabled(owner.GetHWND()) != FALSE;
    ::PostMessageW(dialog.GetHWND(), WM_CLOSE, 0, 0);
  };
  // IME notifications 1 and 9 are dropped, others dispatched.
  ::PostMessageW(dialog.GetHWND(), WM_IME_NOTIFY, IMN_CLOSESTATUSWINDOW, 0);
  ::PostMessageW(dialog.GetHWND(), WM_IME_NOTIFY, IMN_SETCANDIDATEPOS, 0);
  ::PostMessageW(dialog.GetHWND(), WM_IME_NOTIFY, IMN_OPENSTATUSWINDOW, 0);
  ::PostMessageW(dialog.GetHWND(), kProbe, 0, 0);
  dialog.RunModal();

  EXPECT_EQ(dialog.before_modal, 1);
  EXPECT_FALSE(ownerEnabledInLoop);
  EXPECT_FALSE(::IsWindow(dialog.GetHWND()));
  EXPECT_EQ(dialog.GetHWND(), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(owner.GetHWND()));
  EXPECT_EQ(dialog.ime_params, std::vector<WPARAM>{IMN_OPENSTATUSWINDOW});
  EXPECT_EQ(TakeQuit(), -1);  // a close is not a quit
}

TEST(WindowWnd, QuitDuringTheModalLoopEndsItAndIsPostedAgain) {
  RecordingWnd owner(L"YdTestOwner");
  ASSERT_NE(CreatePopup(owner), nullptr);
  RecordingWnd dialog(L"YdTestDialog");
  ASSERT_NE(CreatePopup(dialog, owner.GetHWND()), nullptr);
  dialog.onProbe = [] { ::PostQuitMessage(7); };
  ::PostMessageW(dialog.GetHWND(), kProbe, 0, 0);
  dialog.RunModal();
  // The window still exists; the loop ended on WM_QUIT, which waits again
  // for the outer loop with its exit code.
  EXPECT_TRUE(::IsWindow(dialog.GetHWND()));
  EXPECT_TRUE(::IsWindowEnabled(owner.GetHWND()));
  EXPECT_EQ(TakeQuit(), 7);
}

TEST(WindowWnd, RunModalWithoutOwnerShowsThroughTheDelayedShow) {
  RecordingWnd dialog(L"YdTestDialog");
  ASSERT_NE(CreatePopup(dialog), nullptr);
  dialog.SetShowDelay(120);
  bool hiddenAtProbe = false;
  dialog.onProbe = [&] { hiddenAtProbe = !::IsWindowVisible(dialog.GetHWND()); };
  dialog.onShown = [&] { ::PostMessageW(dialog.GetHWND(), WM_CLOSE, 0, 0); };
  ::PostMessageW(dialog.GetHWND(), kProbe, 0, 0);
  dialog.RunModal();
  EXPECT_TRUE(hiddenAtProbe);
  EXPECT_NE(dialog.shown_at, 0u);
  EXPECT_FALSE(::IsWindow(dialog.GetHWND()));
  // RunModal starts timer 257 with 1 ms, then the 120 ms run out in steps.
  ASSERT_GE(dialog.show_ticks.size(), 2u);
  EXPECT_EQ(dialog.show_ticks.back().delayBefore, 0);
}

RECT WorkArea() {
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

RECT WindowRect(HWND hwnd) {
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  return r;
}

TEST(WindowWnd, CenterOnOwnerUsesTheOwnerOrTheWorkArea) {
  RecordingWnd owner(L"YdTestOwner");
  ASSERT_NE(CreatePopup(owner, nullptr, 100, 100, 401, 300), nullptr);
  ::ShowWindow(owner.GetHWND(), SW_SHOWNOACTIVATE);
  RecordingWnd child(L"YdTestDialog");
  ASSERT_NE(CreatePopup(child, owner.GetHWND(), 0, 0, 200, 101), nullptr);
  child.CenterOnOwner();
  // Owner centre (300, 250); halves 100 and 50 (101 / 2 rounds toward 0).
  RECT r = WindowRect(child.GetHWND());
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 200);
  EXPECT_EQ(r.right - r.left, 200);

  // An owner hanging over the right edge: the window is kept inside.
  const RECT work = WorkArea();
  ::SetWindowPos(owner.GetHWND(), nullptr, work.right - 100, 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  child.CenterOnOwner();
  r = WindowRect(child.GetHWND());
  EXPECT_EQ(r.right, work.right);
  EXPECT_EQ(r.top, 200);

  // A minimised owner counts as none: centred on the work area.
  ::ShowWindow(owner.GetHWND(), SW_MINIMIZE);
  ASSERT_TRUE(::IsIconic(owner.GetHWND()));
  child.CenterOnOwner();
  r = WindowRect(child.GetHWND());
  EXPECT_EQ(r.left, (work.left + work.right) / 2 - 100);
  EXPECT_EQ(r.top, (work.top + work.bottom) / 2 - 50);

  RecordingWnd alone(L"YdTestDialog");
  ASSERT_NE(CreatePopup(alone, nullptr, 0, 0, 300, 200), nullptr);
  alone.CenterOnOwner();
  r = WindowRect(alone.GetHWND());
  EXPECT_EQ(r.left, (work.left + work.right) / 2 - 150);
  EXPECT_EQ(r.top, (work.top + work.bottom) / 2 - 100);
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return {0, 0};
  BITMAP bm{};
  ::GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
  if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
  return {bm.bmWidth, info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2};
}

TEST(WindowWnd, LoadAppIconGivesBothSizesOfIcon105) {
  RecordingWnd wnd;
  ASSERT_NE(CreatePopup(wnd), nullptr);
  wnd.LoadAppIcon();
  const auto big = reinterpret_cast<HICON>(::SendMessageW(wnd.GetHWND(), WM_GETICON, ICON_BIG, 0));
  const auto small =
      reinterpret_cast<HICON>(::SendMessageW(wnd.GetHWND(), WM_GETICON, ICON_SMALL, 0));
  ASSERT_NE(big, nullptr);
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(IconSize(big).cx, ::GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(IconSize(small).cx, ::GetSystemMetrics(SM_CXSMICON));
  // Loading again replaces both.
  wnd.LoadAppIcon();
  const auto big2 = reinterpret_cast<HICON>(::SendMessageW(wnd.GetHWND(), WM_GETICON, ICON_BIG, 0));
  EXPECT_NE(big2, nullptr);
  EXPECT_NE(big2, big);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
