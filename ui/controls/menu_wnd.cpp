// menu_wnd.cpp -- YdMenuWnd: popup menu windows, their submenu chain and
// the report of the chosen entry.
#include "ui/controls/menu_wnd.h"

#include "ui/controls/menu.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

constexpr wchar_t kWindowProperty[] = L"YdMenuWnd";

// Every entry of `menu` reports its click to the window.
void EnableClicks(YdMenu* menu) {
  for (int i = 0; i < menu->ChildCount(); ++i) menu->ChildAt(i)->SetNotifyEnabled(kNotifyClick, true);
}

}  // namespace

YdMenuWnd* YdMenuWnd::Make(HWND owner, YdMenu* menu, RECT screen, INotify* listener, YdMenuWnd* parent,
                           YdMenuElement* lender) {
  auto* window = new YdMenuWnd(menu, listener);
  window->parent_ = parent;
  window->lender_ = lender;
  if (parent != nullptr) parent->child_ = window;
  bool gone = false;
  window->gone_ = &gone;
  const HWND made = window->Create(owner, L"", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, screen.left, screen.top,
                                   screen.right - screen.left, screen.bottom - screen.top);
  if (!gone) window->gone_ = nullptr;
  if (made == nullptr) {
    if (parent != nullptr && parent->child_ == window) parent->child_ = nullptr;
    if (gone) return nullptr;  // its WM_DESTROY gave the items back; the manager had the menu
    // Never created: the menu was not attached; give the items back and
    // drop the menu.
    if (lender != nullptr) lender->ReturnSubmenu(menu);
    delete menu;
    delete window;
    return nullptr;
  }
  ::ShowWindow(window->GetHWND(), SW_SHOW);
  ::SetForegroundWindow(window->GetHWND());
  return window;
}

YdMenuWnd* YdMenuWnd::Popup(HWND owner, YdMenu* menu, POINT screen, INotify* listener) {
  if (menu == nullptr) return nullptr;
  const SIZE size = menu->WindowSize(0);
  return Make(owner, menu, {screen.x, screen.y, screen.x + size.cx, screen.y + size.cy}, listener, nullptr, nullptr);
}

bool YdMenuWnd::OpenSubmenu(YdMenuElement* item) {
  if (item == nullptr || closing_ || GetHWND() == nullptr) return false;
  if (child_ != nullptr && child_->lender_ == item) return true;  // already shown
  if (item->SubmenuCount() == 0) return false;
  if (child_ != nullptr) child_->CloseNow();
  const int maxHeight = item->GetSubmenuMaxHeight();
  YdMenu* sub = item->LendSubmenu();
  if (sub == nullptr) return false;
  const SIZE size = sub->WindowSize(maxHeight);
  const RECT at = item->GetPosition();
  POINT corner{at.right, at.top};
  ::ClientToScreen(GetHWND(), &corner);
  return Make(GetHWND(), sub, {corner.x, corner.y, corner.x + size.cx, corner.y + size.cy}, listener_, this, item) !=
         nullptr;
}

LRESULT YdMenuWnd::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    ::SetPropW(GetHWND(), kWindowProperty, this);
    YdPaintManager& manager = GetPaintManager();
    manager.BindWindow(GetHWND());
    EnableClicks(menu_);
    manager.AttachRoot(menu_);
    manager.AddNotifyListener(this);
  } else if (msg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE && !closing_ &&
             !InChain(reinterpret_cast<HWND>(lParam))) {
    // Another program window became active: the menus go.
    CloseChain();
  }
  return YdWindowImplBase::ProcessMessage(msg, wParam, lParam);
}

bool YdMenuWnd::InChain(HWND window) const {
  if (window == nullptr) return false;
  const YdMenuWnd* top = this;
  while (top->parent_ != nullptr) top = top->parent_;
  for (const YdMenuWnd* w = top; w != nullptr; w = w->child_) {
    if (w->GetHWND() == window) return true;
  }
  return false;
}

void YdMenuWnd::Notify(YdNotifyMsg& msg) {
  if (msg.type != kNotifyClick || msg.sender == nullptr || closing_) return;
  YdControl* found = msg.sender->QueryKind(kKindMenuElement);
  if (found == nullptr || static_cast<YdMenuElement*>(found)->HasSubmenu()) return;
  // Reported while the entry still exists; the windows go in a later
  // message, not inside the manager's handling of this click.
  if (listener_ != nullptr) listener_->Notify(msg);
  CloseChain();
}

void YdMenuWnd::CloseChain() {
  YdMenuWnd* top = this;
  while (top->parent_ != nullptr) top = top->parent_;
  if (top->GetHWND() != nullptr) ::PostMessageW(top->GetHWND(), WM_CLOSE, 0, 0);
}

LRESULT YdMenuWnd::OnKeyDown(UINT, WPARAM wParam, LPARAM, bool& handled) {
  handled = wParam == VK_ESCAPE;
  if (handled) ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
  return 0;
}

LRESULT YdMenuWnd::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  closing_ = true;
  if (child_ != nullptr) child_->CloseNow();
  YdPaintManager& manager = GetPaintManager();
  manager.RemoveNotifyListener(this);
  ::RemovePropW(GetHWND(), kWindowProperty);
  if (lender_ != nullptr) {
    // The items go back to the entry of the parent window.
    for (int i = 0; i < menu_->ChildCount(); ++i) manager.ReleaseControl(menu_->ChildAt(i));
    lender_->ReturnSubmenu(menu_);
    lender_ = nullptr;
  }
  if (parent_ != nullptr && parent_->child_ == this) parent_->child_ = nullptr;
  parent_ = nullptr;
  return 0;
}

void YdMenuWnd::CloseNow() {
  if (GetHWND() != nullptr && !closing_) ::DestroyWindow(GetHWND());
}

}  // namespace ZEPHYRA_NAMESPACE
