// wnd_control.cpp -- YdWndControl: the child window, its part of the skin,
// placement, visibility and notifications.
#include "ui/controls/edit_picture/wnd_control.h"

#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

YdWndControl::~YdWndControl() {
  HWND hwnd = GetHWND();
  if (hwnd != nullptr && ::IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

void YdWndControl::ReceiveWindowControlInfo(const YdWindowControlInfo& info) {
  info_ = info;
  have_info_ = true;
}

void YdWndControl::SetPosition(const RECT& rc) {
  YdControl::SetPosition(rc);
  const RECT pos = GetPosition();
  HWND hwnd = GetHWND();
  if (hwnd == nullptr) {
    if (!have_info_ || info_.parentWindow == nullptr || !::IsWindow(info_.parentWindow)) return;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (IsShownInTree() ? WS_VISIBLE : 0);
    Create(info_.parentWindow, L"", style, 0, pos.left, pos.top, pos.right - pos.left, pos.bottom - pos.top);
    return;
  }
  ::SetWindowPos(hwnd, nullptr, pos.left, pos.top, pos.right - pos.left, pos.bottom - pos.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void YdWndControl::SetVisible(bool visible) {
  YdControl::SetVisible(visible);
  OnAncestorVisibilityChanged();
}

void YdWndControl::OnAncestorVisibilityChanged() {
  HWND hwnd = GetHWND();
  if (hwnd != nullptr) ::ShowWindow(hwnd, IsShownInTree() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

LRESULT YdWndControl::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
  handled = true;
  YdPaintManager& inner = GetPaintManager();
  inner.BindWindow(GetHWND());
  ISkinBuilder* builder = GetSkinBuilder();
  YdControl* root = builder != nullptr ? builder->BuildWindowPart(info_, inner) : nullptr;
  if (root == nullptr) return 0;  // an empty window: the part has no children
  inner.AttachRoot(root);
  inner.AddNotifyListener(this);
  return 0;
}

void YdWndControl::Notify(YdNotifyMsg& msg) {
  YdPaintManager* outer = YdControl::GetManager();
  if (outer == nullptr) return;
  YdNotifyMsg copy = msg;
  outer->RaiseNotify(copy);
}

}  // namespace ZEPHYRA_NAMESPACE
