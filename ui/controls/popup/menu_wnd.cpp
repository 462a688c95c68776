// menu_wnd.cpp -- YdMenuWnd: popup menu windows, their submenu chain, the
// keyboard and the report of the chosen entry.
#include "ui/controls/popup/menu_wnd.h"

#include <string>
#include <vector>

#include "ui/controls/popup/menu.h"
#include "ui/controls/popup/menu_navigation.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

constexpr wchar_t kWindowProperty[] = L"YdMenuWnd";

// Every entry of `menu` reports its click to the window.
void EnableClicks(YdMenu* menu) {
  for (int i = 0; i < menu->ChildCount(); ++i) menu->ChildAt(i)->SetNotifyEnabled(kNotifyClick, true);
}

// The work area of the monitor nearest to `at` (screen coordinates).
YdRect WorkAreaAt(POINT at) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (::GetMonitorInfoW(::MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &info) != 0) work = info.rcWork;
  return {work.left, work.top, work.right, work.bottom};
}

RECT OnScreen(const YdRect& want, int leftEdge, int bottomEdge) {
  const YdRect r = KeepMenuOnScreen(want, WorkAreaAt({want.left, want.top}), leftEdge, bottomEdge);
  return {r.left, r.top, r.right, r.bottom};
}

std::vector<YdNavEntry> NavInfo(YdMenu* menu) {
  std::vector<YdNavEntry> out;
  for (int i = 0; i < menu->ChildCount(); ++i) {
    YdControl* c = menu->ChildAt(i);
    out.push_back({c->IsVisible(), c->IsEnabled(), c->QueryKind(kKindMenuElement) != nullptr});
  }
  return out;
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
  const RECT at = OnScreen({screen.x, screen.y, screen.x + size.cx, screen.y + size.cy}, screen.x, screen.y);
  return Make(owner, menu, at, listener, nullptr, nullptr);
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
  POINT bottom{at.left, at.bottom};
  ::ClientToScreen(GetHWND(), &corner);
  ::ClientToScreen(GetHWND(), &bottom);
  RECT own{};
  ::GetWindowRect(GetHWND(), &own);
  const RECT place = OnScreen({corner.x, corner.y, corner.x + size.cx, corner.y + size.cy}, own.left, bottom.y);
  return Make(GetHWND(), sub, place, listener_, this, item) != nullptr;
}

LRESULT YdMenuWnd::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    ::SetPropW(GetHWND(), kWindowProperty, this);
    YdPaintManager& manager = GetPaintManager();
    manager.BindWindow(GetHWND());
    // The entries keep the fonts of the owner window's skin.
    if (YdPaintManager* owner = YdPaintManager::ManagerOfWindow(::GetWindow(GetHWND(), GW_OWNER))) {
      manager.Fonts().CopyFrom(owner->Fonts());
    }
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

void YdMenuWnd::SetHotEntry(int index) {
  if (index < 0 || index >= menu_->ChildCount()) return;
  for (int i = 0; i < menu_->ChildCount(); ++i) {
    YdControl* e = menu_->ChildAt(i);
    const uint8_t bits = e->GetStateBits();
    const uint8_t want = i == index ? static_cast<uint8_t>(bits | kStateHot) : static_cast<uint8_t>(bits & ~kStateHot);
    if (want != bits) {
      e->SetStateBits(want);
      e->Invalidate();
    }
  }
  hot_ = index;
  // A menu capped in height scrolls the hot entry into view.
  if (menu_->GetVerticalScrollBar() != nullptr) {
    const RECT at = menu_->ChildAt(index)->GetPosition();
    const RECT view = menu_->GetPosition();
    const RECT inset = menu_->GetInset();
    const SIZE scroll = menu_->GetScrollPosition();
    const int next = ScrollToShow(scroll.cy, at.top, at.bottom, view.top + inset.top, view.bottom - inset.bottom);
    if (next != scroll.cy) menu_->SetScrollPosition({scroll.cx, next});
  }
}

int YdMenuWnd::CurrentEntry() const {
  int current = hot_;
  for (int i = 0; i < menu_->ChildCount(); ++i) {
    if (i != hot_ && (menu_->ChildAt(i)->GetStateBits() & kStateHot) != 0) current = i;
  }
  return current;
}

void YdMenuWnd::Enter(int index, bool choosePlain) {
  YdControl* found = index >= 0 && index < menu_->ChildCount() ? menu_->ChildAt(index)->QueryKind(kKindMenuElement)
                                                               : nullptr;
  if (found == nullptr || !found->IsVisible() || !found->IsEnabled()) return;
  auto* item = static_cast<YdMenuElement*>(found);
  SetHotEntry(index);
  if (item->HasSubmenu()) {
    if (!OpenSubmenu(item) || child_ == nullptr) return;
    child_->SetHotEntry(NextHotEntry(NavInfo(child_->menu_), -1, YdNavKey::kFirst, {true, 1}));
    ::SetForegroundWindow(child_->GetHWND());
  } else if (choosePlain) {
    // The same path as a click: the entry's own activation raises the
    // notification this window reports.
    YdEvent event;
    event.type = kEventActivate;
    event.sender = item;
    event.timestamp = ::GetTickCount();
    item->Activate(event);
  }
}

void YdMenuWnd::Back() {
  back_ = true;
  ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
}

LRESULT YdMenuWnd::OnKeyDown(UINT, WPARAM wParam, LPARAM, bool& handled) {
  handled = true;
  if (closing_) return 0;
  switch (wParam) {
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END: {
      const YdNavKey key = wParam == VK_UP     ? YdNavKey::kPrevious
                           : wParam == VK_DOWN ? YdNavKey::kNext
                           : wParam == VK_HOME ? YdNavKey::kFirst
                                               : YdNavKey::kLast;
      SetHotEntry(NextHotEntry(NavInfo(menu_), CurrentEntry(), key, {true, 1}));
      return 0;
    }
    case VK_RIGHT: Enter(CurrentEntry(), false); return 0;
    case VK_RETURN: Enter(CurrentEntry(), true); return 0;
    case VK_LEFT:
      if (parent_ != nullptr) Back();
      return 0;
    case VK_ESCAPE:
      if (parent_ != nullptr) {
        Back();
      } else {
        ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
      }
      return 0;
    default:
      handled = false;
      return 0;
  }
}

LRESULT YdMenuWnd::OnChar(UINT, WPARAM wParam, LPARAM, bool& handled) {
  handled = false;
  const auto letter = static_cast<wchar_t>(wParam);
  if (closing_ || letter < L' ') return 0;
  std::vector<std::wstring> texts;
  for (int i = 0; i < menu_->ChildCount(); ++i) texts.push_back(menu_->ChildAt(i)->GetText());
  const YdAccelMatch match = MatchAccelerator(NavInfo(menu_), texts, CurrentEntry(), letter);
  if (match.index < 0) return 0;
  handled = true;
  if (match.unique) {
    Enter(match.index, true);
  } else {
    SetHotEntry(match.index);
  }
  return 0;
}

LRESULT YdMenuWnd::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  closing_ = true;
  if (child_ != nullptr) child_->CloseNow();
  YdPaintManager& manager = GetPaintManager();
  manager.RemoveNotifyListener(this);
  ::RemovePropW(GetHWND(), kWindowProperty);
  for (int i = 0; i < menu_->ChildCount(); ++i) {
    YdControl* e = menu_->ChildAt(i);
    e->SetStateBits(static_cast<uint8_t>(e->GetStateBits() & ~kStateHot));
  }
  if (back_ && parent_ != nullptr && !parent_->closing_ && lender_ != nullptr) {
    // Closed from the keyboard: the highlight goes back to the entry that
    // opened this window, and so do the keys.
    parent_->SetHotEntry(parent_->menu_->IndexOfChild(lender_));
    ::SetForegroundWindow(parent_->GetHWND());
  }
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
