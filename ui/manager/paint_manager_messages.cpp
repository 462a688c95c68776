// paint_manager_messages.cpp -- the paint manager's message table: mouse,
// keyboard, focus, timer and window-chrome messages turned into control
// events, hover and tooltip tracking, and the deletion queue message.
#include <windowsx.h>

#include <algorithm>

#include "ui/control/control.h"
#include "ui/manager/common_controls.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// WM_DPICHANGED, by number: older SDK settings of the 32-bit build lack it.
constexpr UINT kDpiChangedMessage = 0x02E0;

LPARAM LParamOf(POINT pt) { return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)); }

YdRect ClientRect(HWND window) {
  RECT rc{};
  ::GetClientRect(window, &rc);
  return {rc.left, rc.top, rc.right, rc.bottom};
}

}  // namespace

bool YdPaintManager::HandleWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (window_ == nullptr) return false;
  for (size_t i = 0; i < filters_.size(); ++i) {
    bool handled = false;
    const LRESULT r = filters_[i]->FilterMessage(msg, wParam, lParam, handled);
    if (handled) {
      result = r;
      return true;
    }
  }
  switch (msg) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        ApplyWindowRegion();
        layout_pending_ = true;
      }
      return true;
    case kDpiChangedMessage: {
      // Moved to a display of another DPI: rescale, then take the
      // rectangle the system suggests (its WM_SIZE lays out and reshapes).
      ChangeDpiScale(YdDpiScale(LOWORD(wParam)));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      if (suggested != nullptr) {
        ::SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      }
      result = 0;
      return true;
    }
    case WM_KILLFOCUS:
      return OnKillFocus(reinterpret_cast<HWND>(wParam));
    case WM_PAINT:
      return OnPaint();
    case WM_CLOSE: {
      if (hover_ != nullptr) SendEvent(hover_, kEventMouseLeave, hover_, last_mouse_, wParam, lParam, 0, 0);
      // A close never activates the control under a held button.
      CancelPresses();
      const HWND owner = ::GetWindow(window_, GW_OWNER);
      if (owner != nullptr) ::SetFocus(owner);
      return false;
    }
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_SETCURSOR:
      return OnSetCursor(wParam, lParam);
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      MONITORINFO mi{};
      mi.cbSize = sizeof(mi);
      ::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &mi);
      const YdRect work{mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top,
                        mi.rcWork.right - mi.rcMonitor.left, mi.rcWork.bottom - mi.rcMonitor.top};
      YdMinMax mm{{info->ptMaxSize.x, info->ptMaxSize.y},
                  {info->ptMaxPosition.x, info->ptMaxPosition.y},
                  {info->ptMinTrackSize.x, info->ptMinTrackSize.y},
                  {info->ptMaxTrackSize.x, info->ptMaxTrackSize.y}};
      const SIZE minInfo = GetMinInfo();
      const SIZE maxInfo = GetMaxInfo();
      mm = ApplyMinMaxLimits(mm, {minInfo.cx, minInfo.cy}, {maxInfo.cx, maxInfo.cy}, work);
      info->ptMaxSize = {mm.maxSize.x, mm.maxSize.y};
      info->ptMaxPosition = {mm.maxPosition.x, mm.maxPosition.y};
      info->ptMinTrackSize = {mm.minTrackSize.x, mm.minTrackSize.y};
      info->ptMaxTrackSize = {mm.maxTrackSize.x, mm.maxTrackSize.y};
      return false;
    }
    case WM_CAPTURECHANGED:
      // Another window took the capture this manager held (a modal loop, a
      // menu, the system): the press ends here, without a click, and the
      // flag no longer claims a capture that is gone.
      if (mouse_captured_ && reinterpret_cast<HWND>(lParam) != window_) {
        mouse_captured_ = false;
        if (!drag_in_progress_) CancelPresses();
      }
      return false;
    case WM_CONTEXTMENU: {
      POINT pt = PointOf(lParam);
      ::ScreenToClient(window_, &pt);
      last_mouse_ = pt;
      if (captured_ != nullptr) {
        YdControl* c = captured_;
        captured_ = nullptr;
        ReleaseIdleCapture();
        SendEvent(c, kEventContextMenu, c, pt, wParam, lParam, 0, 0);
      }
      return false;
    }
    case WM_NCHITTEST: {
      POINT pt = PointOf(lParam);
      ::ScreenToClient(window_, &pt);
      const RECT caption = GetCaptionRect();
      const int code = ChromeHitTest({pt.x, pt.y}, ClientRect(window_), GetSizeBox(),
                                     {caption.left, caption.top, caption.right, caption.bottom},
                                     ::IsZoomed(window_) != FALSE, [this](YdPoint p) {
                                       YdControl* c = ControlAtPoint({p.x, p.y});
                                       return c != nullptr && c->IsCaption();
                                     });
      if (code == kHitUnhandled) return false;
      result = code;
      return true;
    }
    case WM_NCMOUSEMOVE:
      if (!nc_tracking_) {
        TrackMouse(TME_LEAVE | TME_NONCLIENT, HOVER_DEFAULT);
        nc_tracking_ = true;
      }
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_LBUTTONDOWN:
      OnButtonDown(msg, wParam, lParam);
      return false;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      OnButtonUp(msg, wParam, lParam);
      return false;
    case WM_KEYDOWN:
      if (focus_ != nullptr) {
        YdControl* c = focus_;
        key_down_ = c;
        SendEvent(c, kEventKeyDown, nullptr, last_mouse_, wParam, lParam, static_cast<WORD>(wParam),
                  CurrentKeyState());
      }
      return false;
    case WM_KEYUP:
      if (key_down_ != nullptr) {
        YdControl* c = key_down_;
        key_down_ = nullptr;
        SendEvent(c, kEventKeyUp, nullptr, last_mouse_, wParam, lParam, static_cast<WORD>(wParam),
                  CurrentKeyState());
      }
      return false;
    case WM_CHAR:
      if (focus_ != nullptr) {
        SendEvent(focus_, kEventChar, nullptr, last_mouse_, wParam, lParam, static_cast<WORD>(wParam),
                  CurrentKeyState());
      }
      return false;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
      if (lParam == 0) return false;
      result = ::SendMessageW(reinterpret_cast<HWND>(lParam), msg + 0x2000, wParam, lParam);
      return true;
    case WM_TIMER:
      OnTimer(wParam);
      return false;
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lParam), wParam);
      return false;
    case WM_LBUTTONDBLCLK: {
      ::SetFocus(window_);
      const POINT pt = PointOf(lParam);
      last_mouse_ = pt;
      YdControl* c = ControlAtPoint(pt);
      if (c != nullptr && c->GetManager() == this) {
        ::SetCapture(window_);
        mouse_captured_ = true;
        pushed_ = c;
        SendEvent(c, kEventLButtonDblClk, c, pt, wParam, lParam, 0, LOWORD(wParam));
      }
      return false;
    }
    case WM_RBUTTONDOWN: {
      ::SetFocus(window_);
      const POINT pt = PointOf(lParam);
      last_mouse_ = pt;
      YdControl* c = ControlAtPoint(pt);
      if (c != nullptr && c->GetManager() == this) {
        c->SetFocus();
        ::SetCapture(window_);
        mouse_captured_ = true;
        captured_ = c;
        SendEvent(c, kEventRButtonDown, c, pt, wParam, lParam, 0, LOWORD(wParam));
      }
      return false;
    }
    case WM_MOUSEWHEEL: {
      POINT pt = PointOf(lParam);
      ::ScreenToClient(window_, &pt);
      last_mouse_ = pt;
      YdControl* c = ControlAtPoint(pt);
      if (c != nullptr && c->GetManager() == this) {
        SendEvent(c, kEventMouseWheel, c, POINT{0, 0}, static_cast<WPARAM>(WheelEventParam(wParam)), lParam,
                  0, CurrentKeyState());
        ::SendMessageW(window_, WM_MOUSEMOVE, 0, LParamOf(last_mouse_));
      }
      return false;
    }
    case WM_MOUSEHOVER:
      return OnMouseHover(PointOf(lParam));
    case WM_NCMOUSELEAVE:
      if (nc_tracking_) {
        ::SendMessageW(window_, WM_NCMOUSEMOVE, 0, static_cast<LPARAM>(-1));
        nc_tracking_ = false;
      }
      return false;
    case WM_MOUSELEAVE:
      if (::IsWindowEnabled(window_)) {
        DeactivateToolTip(true);
        if (mouse_tracking_) ::SendMessageW(window_, WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
        if (pushed_ != nullptr) ::SendMessageW(window_, WM_LBUTTONUP, 0, static_cast<LPARAM>(-1));
        if (captured_ != nullptr) ::SendMessageW(window_, WM_CONTEXTMENU, 0, static_cast<LPARAM>(-1));
        mouse_tracking_ = false;
      }
      return false;
    case kDeletionQueueMessage:
      EmptyDeletionQueue();
      return false;
    default:
      return false;
  }
}

bool YdPaintManager::OnKillFocus(HWND gaining) {
  if (gaining == nullptr) return false;
  YdControl* owner = ControlOfWindow(gaining);
  if (owner != nullptr) {
    YdEvent empty;
    owner->OnSetFocus(empty);
    focus_ = owner;
  } else if (::IsChild(window_, gaining) && focus_ != nullptr) {
    YdControl* old = focus_;
    focus_ = nullptr;
    SendEvent(old, kEventKillFocus, nullptr, last_mouse_, 0, 0, 0, 0);
  }
  if (hover_ != nullptr && hover_->IsVisible()) {
    YdControl* old = hover_;
    hover_ = nullptr;
    SendEvent(old, kEventMouseLeave, nullptr, last_mouse_, 0, 0, 0, 0);
    DeactivateToolTip(false);
    mouse_tracking_ = false;
  }
  return false;
}

void YdPaintManager::OnButtonDown(UINT msg, WPARAM wParam, LPARAM lParam) {
  ::SetFocus(window_);
  POINT pt = PointOf(lParam);
  if (msg == WM_NCLBUTTONDOWN) ::ScreenToClient(window_, &pt);
  last_mouse_ = pt;
  YdControl* c = ControlAtPoint(pt);
  if (c == nullptr || c->GetManager() != this) return;
  pushed_ = c;
  c->SetFocus();
  if (msg == WM_LBUTTONDOWN) {
    ::SetCapture(window_);
    mouse_captured_ = true;
  }
  SendEvent(c, kEventLButtonDown, c, pt, wParam, lParam, 0, LOWORD(wParam));
  if (active_tooltip_ != nullptr) ::ShowWindow(active_tooltip_, SW_HIDE);
}

void YdPaintManager::SetDragInProgress(bool drag) {
  drag_in_progress_ = drag;
  // The button-up that ended the drag kept the capture; nothing is pressed
  // any more, so it is released now (the cursor would stay frozen otherwise).
  if (!drag && pushed_ == nullptr && mouse_captured_) {
    mouse_captured_ = false;
    ::ReleaseCapture();
  }
}

void YdPaintManager::ReleaseIdleCapture() {
  if (!mouse_captured_ || pushed_ != nullptr || captured_ != nullptr || drag_in_progress_) return;
  // The flag goes first: ReleaseCapture sends WM_CAPTURECHANGED at once.
  mouse_captured_ = false;
  if (::GetCapture() == window_) ::ReleaseCapture();
}

void YdPaintManager::CancelPresses() {
  YdControl* pushed = pushed_;
  YdControl* captured = captured_;
  pushed_ = captured_ = nullptr;
  ReleaseIdleCapture();
  const POINT nowhere{-1, -1};
  if (pushed != nullptr) SendEvent(pushed, kEventLButtonUp, pushed, nowhere, 0, 0, 0, 0);
  // The button-up may have taken the captured control away.
  if (captured != nullptr && (pushed == nullptr || InTree(captured))) {
    SendEvent(captured, kEventContextMenu, captured, nowhere, 0, 0, 0, 0);
  }
}

void YdPaintManager::OnButtonUp(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A non-client button-up carries screen coordinates, like the button-down.
  POINT pt = PointOf(lParam);
  if (msg == WM_NCLBUTTONUP) ::ScreenToClient(window_, &pt);
  last_mouse_ = pt;
  if (pushed_ == nullptr) {
    // Nothing pressed (it went away meanwhile): a capture taken for it goes.
    ReleaseIdleCapture();
    return;
  }
  // Only a capture this manager took is released. A press on the caption
  // (WM_NCLBUTTONDOWN) pushes a control without capturing: the window
  // system's move loop holds the capture then, and a button-up faked while
  // it runs (on mouse-leave) would otherwise take it away, so the
  // loop would never see its own button-up and the window would keep
  // following the pointer.
  if (!drag_in_progress_ && mouse_captured_) {
    mouse_captured_ = false;  // first: ReleaseCapture sends WM_CAPTURECHANGED at once
    ::ReleaseCapture();
  }
  YdControl* c = pushed_;
  pushed_ = nullptr;
  SendEvent(c, kEventLButtonUp, c, pt, wParam, lParam, 0, LOWORD(wParam));
}

bool YdPaintManager::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  if (mouse_captured_) return true;
  POINT pt{};
  ::GetCursorPos(&pt);
  ::ScreenToClient(window_, &pt);
  YdControl* c = ControlAtPoint(pt);
  if (c == nullptr || !c->TestFlag(kFlagSetCursor)) return false;
  SendEvent(c, kEventSetCursor, nullptr, pt, wParam, lParam, 0, CurrentKeyState());
  return true;
}

void YdPaintManager::TrackMouse(DWORD flags, DWORD hoverTime) {
  TRACKMOUSEEVENT tme{};
  tme.cbSize = sizeof(tme);
  tme.dwFlags = flags;
  tme.hwndTrack = window_;
  tme.dwHoverTime = hoverTime;
  ::TrackMouseEvent(&tme);
}

void YdPaintManager::OnMouseMove(POINT pt, WPARAM wParam) {
  last_mouse_ = pt;
  YdControl* now = ControlAtPoint(pt);
  if (now != nullptr && now->GetManager() != this) return;
  YdControl* previous = hover_;
  if (now != hover_ && hover_ != nullptr) {
    YdControl* old = hover_;
    hover_ = nullptr;
    SendEvent(old, kEventMouseLeave, now, pt, 0, 0, 0, 0);
    DeactivateToolTip(true);
    mouse_tracking_ = false;
  }
  if (now != nullptr && now == hover_ && now->HasBeenHover()) mouse_tracking_ = false;
  if (now != hover_ && now != nullptr) {
    const bool held = (pushed_ != nullptr && pushed_->IsCapture()) || (captured_ != nullptr && captured_->IsCapture());
    if (!held) {
      hover_ = now;
      SendEvent(now, kEventMouseEnter, previous, pt, 0, 0, 0, 0);
    }
  }
  if (pushed_ != nullptr || captured_ != nullptr) {
    if (pushed_ != nullptr) SendEvent(pushed_, kEventMouseMove, nullptr, pt, wParam, 0, 0, LOWORD(wParam));
    if (captured_ != nullptr) SendEvent(captured_, kEventMouseMove, nullptr, pt, wParam, 0, 0, LOWORD(wParam));
  } else if (now != nullptr) {
    SendEvent(now, kEventMouseMove, nullptr, pt, wParam, 0, 0, LOWORD(wParam));
  }
  if (!mouse_tracking_) {
    DWORD flags = TME_LEAVE;
    DWORD hoverTime = HOVER_DEFAULT;
    if (now != nullptr && now->GetToolTipDelayTime() != 0) {
      flags |= TME_HOVER;
      hoverTime = static_cast<DWORD>(now->GetToolTipDelayTime());
      hover_tracked_ = now;
    }
    TrackMouse(flags, hoverTime);
    mouse_tracking_ = true;
  }
}

void YdPaintManager::DeactivateToolTip(bool forget) {
  if (active_tooltip_ == nullptr) return;
  ::SendMessageW(active_tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool_info_));
  if (forget) active_tooltip_ = nullptr;
}

bool YdPaintManager::OnMouseHover(POINT pt) {
  YdControl* c = ControlAtPoint(pt);
  if (c == nullptr || c != hover_tracked_) return false;
  if (hover_ != nullptr) SendEvent(hover_, kEventMouseHover, c, pt, 0, 0, 0, 0);
  tooltip_text_ = c->GetToolTip();
  if (tooltip_text_.empty() || c->IsCustomToolTip()) return true;
  // The module the skin's resources come from.
  const HINSTANCE instance = GetResourceModule();
  tool_info_ = TOOLINFOW{};
  tool_info_.cbSize = sizeof(TOOLINFOW);
  tool_info_.uFlags = TTF_IDISHWND;
  tool_info_.hwnd = window_;
  tool_info_.uId = reinterpret_cast<UINT_PTR>(window_);
  tool_info_.hinst = instance;
  tool_info_.lpszText = &tooltip_text_[0];
  tool_info_.rect = c->GetPosition();
  if (tooltip_window_ == nullptr) {
    InitCommonControlsAtRunTime(ICC_WIN95_CLASSES);
    tooltip_window_ = ::CreateWindowExW(0, L"tooltips_class32", nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                        nullptr, instance, nullptr);
    if (tooltip_window_ == nullptr) return true;
    ::SendMessageW(tooltip_window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool_info_));
    if (c->GetToolTipMaxWidth() != 0) {
      ::SendMessageW(tooltip_window_, TTM_SETMAXTIPWIDTH, 0, c->GetToolTipMaxWidth());
    }
  }
  ::SendMessageW(tooltip_window_, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool_info_));
  ::SendMessageW(tooltip_window_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool_info_));
  active_tooltip_ = tooltip_window_;
  return true;
}

void YdPaintManager::OnTimer(WPARAM wParam) {
  animations_.OnTimer(wParam);
  const std::vector<YdControl*> listeners = timer_listeners_;
  for (YdControl* c : listeners) {
    // A listener removed by an earlier one is skipped.
    if (std::find(timer_listeners_.begin(), timer_listeners_.end(), c) == timer_listeners_.end()) continue;
    SendEvent(c, kEventTimer, nullptr, last_mouse_, wParam, 0, 0, 0);
  }
  const auto window = reinterpret_cast<uintptr_t>(window_);
  const auto targets = timers_.Targets(window, LOWORD(wParam));
  for (const auto& t : targets) {
    // A timer stopped by an earlier target (its control may be gone) is skipped.
    if (!timers_.Has(t.first, window, t.second, LOWORD(wParam))) continue;
    SendEvent(t.first, kEventTimer, nullptr, last_mouse_, t.second, 0, 0, 0);
  }
  if (wParam == kCaretBlinkTimerId) OnCaretTimer();
}

}  // namespace ZEPHYRA_NAMESPACE
