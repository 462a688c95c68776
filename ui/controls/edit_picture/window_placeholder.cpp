// window_placeholder.cpp -- YdWindowPlaceholder: placement, visibility,
// focus and closing of the held native window.
#include "ui/controls/edit_picture/window_placeholder.h"

namespace ZEPHYRA_NAMESPACE {

YdWindowPlaceholder::~YdWindowPlaceholder() {
  HWND hwnd = GetNativeWindow();
  if (hwnd != nullptr && ::IsWindow(hwnd)) ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

void YdWindowPlaceholder::PlaceWindow() {
  HWND hwnd = GetNativeWindow();
  if (hwnd == nullptr || !::IsWindow(hwnd)) return;
  const RECT rc = GetPosition();
  ::SetWindowPos(hwnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(hwnd, IsShownInTree() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void YdWindowPlaceholder::SetNativeWindow(HWND hwnd) {
  YdContainer::SetNativeWindow(hwnd);
  PlaceWindow();
}

void YdWindowPlaceholder::SetPosition(const RECT& rc) {
  YdContainer::SetPosition(rc);
  PlaceWindow();
}

void YdWindowPlaceholder::SetVisible(bool visible) {
  YdContainer::SetVisible(visible);
  ShowHeldWindow();
}

void YdWindowPlaceholder::OnAncestorVisibilityChanged() {
  YdContainer::OnAncestorVisibilityChanged();
  ShowHeldWindow();
}

void YdWindowPlaceholder::ShowHeldWindow() {
  HWND hwnd = GetNativeWindow();
  if (hwnd != nullptr && ::IsWindow(hwnd)) ::ShowWindow(hwnd, IsShownInTree() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void YdWindowPlaceholder::OnSetFocus(YdEvent& event) {
  YdContainer::OnSetFocus(event);
  HWND hwnd = GetNativeWindow();
  if (hwnd != nullptr && ::IsWindow(hwnd)) ::SetFocus(hwnd);
}

void YdWindowPlaceholder::OnMouseWheel(YdEvent& event) {
  HWND hwnd = GetNativeWindow();
  if (hwnd != nullptr && ::IsWindow(hwnd)) {
    ::SetFocus(hwnd);
    return;
  }
  YdContainer::OnMouseWheel(event);
}

}  // namespace ZEPHYRA_NAMESPACE
