// window_wnd.cpp -- the native window wrapper: registration, binding of the
// window to its object, delayed show, heartbeat, modal loop, centring and
// the application icon.
#include "ui/window/window_wnd.h"

#include <imm.h>

#include "ui/render/resource_cache.h"
#include "ui/window/window_chrome.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// The module that owns the window classes and the application icon: the
// resource module when the program set one, else the executable.
HINSTANCE ModuleInstance() {
  HINSTANCE module = GetResourceModule();
  return module != nullptr ? module : ::GetModuleHandleW(nullptr);
}

bool RegisteredOrExists(bool ok) { return ok || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS; }

YdRect ToYdRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

YdWindowWnd::~YdWindowWnd() {
  // The window may outlive its object; it must not reach a dead object.
  if (hwnd_ != nullptr && ::IsWindow(hwnd_)) {
    // The binding in use is recognised by its value: the virtual
    // QuerySuperclassName cannot be asked from a destructor.
    if (::GetPropW(hwnd_, kWindowObjectProperty) == this) {
      ::SetPropW(hwnd_, kWindowObjectProperty, nullptr);
    } else if (::GetWindowLongPtrW(hwnd_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
      ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    }
  }
}

bool YdWindowWnd::RegisterWindowClass() {
  if (QuerySuperclassName() != nullptr) return RegisterSuperclass();
  WNDCLASSW wc{};
  wc.style = QueryClassStyle();
  wc.lpfnWndProc = &YdWindowWnd::StaticWndProc;
  wc.hInstance = ModuleInstance();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = QueryClassName();
  return RegisteredOrExists(::RegisterClassW(&wc) != 0);
}

bool YdWindowWnd::RegisterSuperclass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!::GetClassInfoExW(nullptr, QuerySuperclassName(), &wc) &&
      !::GetClassInfoExW(ModuleInstance(), QuerySuperclassName(), &wc)) {
    return false;
  }
  previous_proc_ = wc.lpfnWndProc;
  wc.lpfnWndProc = &YdWindowWnd::StaticSuperclassProc;
  wc.hInstance = ModuleInstance();
  wc.lpszClassName = QueryClassName();
  return RegisteredOrExists(::RegisterClassExW(&wc) != 0);
}

HWND YdWindowWnd::Create(HWND parent, const wchar_t* windowName, DWORD style, DWORD exStyle,
                         int x, int y, int cx, int cy) {
  if (!RegisterWindowClass()) return nullptr;
  return ::CreateWindowExW(exStyle, QueryClassName(), windowName, style, x, y, cx, cy, parent,
                           nullptr, ModuleInstance(), this);
}

LRESULT CALLBACK YdWindowWnd::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  YdWindowWnd* self = nullptr;
  if (msg == WM_NCCREATE) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    self = static_cast<YdWindowWnd*>(cs->lpCreateParams);
    if (self != nullptr) {
      self->hwnd_ = hwnd;
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  } else {
    self = reinterpret_cast<YdWindowWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY && self != nullptr) {
      const LRESULT result = ::CallWindowProcW(self->previous_proc_, hwnd, msg, wParam, lParam);
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      FinalDestroy(self, hwnd);
      return result;
    }
  }
  if (self != nullptr) return Dispatch(self, msg, wParam, lParam);
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK YdWindowWnd::StaticSuperclassProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                   LPARAM lParam) {
  YdWindowWnd* self = nullptr;
  if (msg == WM_NCCREATE) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    self = static_cast<YdWindowWnd*>(cs->lpCreateParams);
    if (self != nullptr) {
      self->hwnd_ = hwnd;
      ::SetPropW(hwnd, kWindowObjectProperty, self);
    }
  } else {
    self = static_cast<YdWindowWnd*>(::GetPropW(hwnd, kWindowObjectProperty));
    if (msg == WM_NCDESTROY && self != nullptr) {
      const LRESULT result = ::CallWindowProcW(self->previous_proc_, hwnd, msg, wParam, lParam);
      ::SetPropW(hwnd, kWindowObjectProperty, nullptr);
      self->hwnd_ = nullptr;
      FinalDestroy(self, hwnd);
      return result;
    }
  }
  if (self != nullptr) return Dispatch(self, msg, wParam, lParam);
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT YdWindowWnd::Dispatch(YdWindowWnd* self, UINT msg, WPARAM wParam, LPARAM lParam) {
  ++self->dispatch_depth_;
  const LRESULT result = self->ProcessMessage(msg, wParam, lParam);
  if (--self->dispatch_depth_ == 0 && self->final_destroy_pending_ != nullptr) {
    const HWND gone = self->final_destroy_pending_;
    self->final_destroy_pending_ = nullptr;
    self->OnFinalDestroy(gone);  // may delete self: nothing follows
  }
  return result;
}

void YdWindowWnd::FinalDestroy(YdWindowWnd* self, HWND hwnd) {
  // A handler of this window is still running (it destroyed the window):
  // the object must outlive it.
  if (self->dispatch_depth_ > 0) {
    self->final_destroy_pending_ = hwnd;
    return;
  }
  self->OnFinalDestroy(hwnd);
}

void YdWindowWnd::StartShowStep(int remaining) {
  const YdShowStep step = NextShowStep(remaining);
  show_delay_ = step.remainingMs;
  ::SetTimer(hwnd_, kDelayedShowTimerId, static_cast<UINT>(step.intervalMs), nullptr);
}

LRESULT YdWindowWnd::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kDelayedShowTimerId) {
    if (show_delay_ > 0) {
      StartShowStep(show_delay_);
    } else {
      ::KillTimer(hwnd_, kDelayedShowTimerId);
      ShowNormalNow();
    }
  }
  return ::CallWindowProcW(previous_proc_, hwnd_, msg, wParam, lParam);
}

void YdWindowWnd::ShowAfterTick() {
  ::KillTimer(hwnd_, kDelayedShowTimerId);
  show_delay_ = 0;
  ::SetTimer(hwnd_, kDelayedShowTimerId, 1, nullptr);
}

LRESULT YdWindowWnd::ShowWithDelay(bool show, bool activate) {
  if (!::IsWindow(hwnd_)) return 0;
  if (show && show_delay_ > 0) {
    StartShowStep(show_delay_);
    show = false;
  }
  if (heartbeat_timer_ == 0) {
    heartbeat_timer_ = ::SetTimer(hwnd_, kHeartbeatTimerId, kHeartbeatIntervalMs, nullptr);
  }
  const int command = !show ? SW_HIDE : (activate ? SW_SHOW : SW_SHOWNOACTIVATE);
  return ::ShowWindow(hwnd_, command);
}

LRESULT YdWindowWnd::PostClose() {
  if (!::IsWindow(hwnd_)) return 0;
  if (show_delay_ > 0) ::KillTimer(hwnd_, kDelayedShowTimerId);
  if (heartbeat_timer_ != 0) {
    ::KillTimer(hwnd_, kHeartbeatTimerId);
    heartbeat_timer_ = 0;
  }
  return ::PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void YdWindowWnd::RunModal() {
  const HWND hwnd = hwnd_;
  if (hwnd == nullptr) return;
  const HWND owner = ::GetWindow(hwnd, GW_OWNER);
  if (show_delay_ > 0) {
    ::ShowWindow(hwnd, SW_HIDE);
    ::SetTimer(hwnd, kDelayedShowTimerId, 1, nullptr);
  } else {
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    ::SetFocus(hwnd);
  }
  OnBeforeModal();
  if (owner != nullptr) ::EnableWindow(owner, FALSE);

  MSG msg{};
  bool quit = false;
  while (::IsWindow(hwnd)) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      break;
    }
    if (got == -1) break;
    if (msg.message == WM_CLOSE && msg.hwnd == hwnd && owner != nullptr) {
      ::EnableWindow(owner, TRUE);
      ::SetFocus(owner);
    }
    if (msg.message == WM_IME_NOTIFY &&
        (msg.wParam == IMN_CLOSESTATUSWINDOW || msg.wParam == IMN_SETCANDIDATEPOS)) {
      continue;
    }
    if (TranslateModalMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  if (owner != nullptr) {
    ::EnableWindow(owner, TRUE);
    ::SetFocus(owner);
  }
  if (quit) ::PostQuitMessage(static_cast<int>(msg.wParam));
}

void YdWindowWnd::CenterOnOwner() {
  if (!::IsWindow(hwnd_)) return;
  RECT window{};
  ::GetWindowRect(hwnd_, &window);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT reference = work;
  const HWND owner = ::GetWindow(hwnd_, GW_OWNER);
  if (owner != nullptr && !::IsIconic(owner)) ::GetWindowRect(owner, &reference);
  const YdPoint at = CenterOnReference(ToYdRect(window), ToYdRect(reference), ToYdRect(work));
  ::SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void YdWindowWnd::LoadAppIcon() {
  if (!::IsWindow(hwnd_)) return;
  const HINSTANCE module = ModuleInstance();
  ScopedIcon big(static_cast<HICON>(::LoadImageW(
      module, MAKEINTRESOURCEW(kAppIconResource), IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
      ::GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR)));
  ScopedIcon small(static_cast<HICON>(::LoadImageW(
      module, MAKEINTRESOURCEW(kAppIconResource), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
      ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
  // The window now shows the new icons; the earlier ones can go.
  big_icon_ = std::move(big);
  small_icon_ = std::move(small);
}

}  // namespace ZEPHYRA_NAMESPACE
