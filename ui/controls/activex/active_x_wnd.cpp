// active_x_wnd.cpp -- YdActiveXWnd, the host window of a windowed object.
#include "ui/controls/activex/active_x_wnd.h"

namespace ZEPHYRA_NAMESPACE {

YdActiveXWnd::~YdActiveXWnd() {
  HWND hwnd = GetHWND();
  if (hwnd != nullptr && ::IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

HWND YdActiveXWnd::CreateHost(HWND parent, const RECT& rc, bool visible) {
  const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
  return Create(parent, L"", style, 0, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

LRESULT YdActiveXWnd::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the object covers the window
    case WM_SETFOCUS:
      if (focus_target_ != nullptr && ::IsWindow(focus_target_)) ::SetFocus(focus_target_);
      return 0;
    default:
      return YdWindowWnd::ProcessMessage(msg, wParam, lParam);
  }
}

}  // namespace ZEPHYRA_NAMESPACE
