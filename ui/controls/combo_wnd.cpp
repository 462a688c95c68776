// combo_wnd.cpp -- YdComboWnd: the popup that holds a combo's entries while
// its drop box is open.
#include "ui/controls/combo_wnd.h"

#include <vector>

#include "ui/controls/combo.h"
#include "ui/controls/combo_parts.h"
#include "ui/controls/linear_layouts.h"
#include "ui/core/event_types.h"

namespace ZEPHYRA_NAMESPACE {

YdComboWnd* YdComboWnd::Open(YdCombo* combo, const RECT& screen) {
  HWND owner = combo->GetManager() != nullptr ? combo->GetManager()->GetWindow() : nullptr;
  auto* box = new YdComboWnd(combo);
  // The object belongs to its window from here on (OnFinalDestroy).
  combo->drop_ = box;
  bool gone = false;
  box->gone_ = &gone;
  const HWND made = box->Create(owner, L"", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, screen.left, screen.top,
                                screen.right - screen.left, screen.bottom - screen.top);
  if (!gone) box->gone_ = nullptr;
  if (made == nullptr) {
    // A window that got as far as WM_DESTROY gave the entries back, cleared
    // drop_ and deleted itself; otherwise nothing moved and the object is
    // still ours.
    if (combo->drop_ == box) combo->drop_ = nullptr;
    if (!gone) delete box;
    return nullptr;
  }
  ::ShowWindow(box->GetHWND(), SW_SHOW);
  ::SetForegroundWindow(box->GetHWND());
  return box;
}

bool YdComboWnd::Populate() {
  YdPaintManager& manager = GetPaintManager();
  manager.BindWindow(GetHWND());
  YdContainer* root = combo_->IsVerticalDropBox() ? static_cast<YdContainer*>(new YdVerticalLayout)
                                                   : static_cast<YdContainer*>(new YdHorizontalLayout);
  root->SetAutoDestroy(false);  // the entries are the combo's
  root->SetInset(combo_->GetInset());
  if (!combo_->GetDropBoxAttributes().empty()) root->ApplyAttributeString(combo_->GetDropBoxAttributes());
  // The entries move from the combo's window into this one.
  std::vector<YdControl*> entries;
  entries.swap(combo_->children_);
  // The combo's window keeps its name and id index of the entries (they
  // live on and come back); nothing there can hover, push or focus them
  // while the combo hit-tests as one piece.
  for (YdControl* entry : entries) {
    if (entry->GetFixedHeight() <= 0 && combo_->GetDefaultElementHeight() > 0) {
      entry->SetFixedHeight(combo_->GetDefaultElementHeight());
    }
    if (entry->GetFixedWidth() <= 0 && combo_->GetDefaultElementWidth() > 0) {
      entry->SetFixedWidth(combo_->GetDefaultElementWidth());
    }
    // The box closes on an entry's click, so every entry reports it.
    entry->SetNotifyEnabled(kNotifyClick, true);
    root->AddChild(entry);
  }
  root_ = root;
  manager.AttachRoot(root);
  manager.AddNotifyListener(this);
  return true;
}

LRESULT YdComboWnd::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    Populate();
  } else if (msg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE && !closing_) {
    // Clicking elsewhere closes the box without a choice.
    ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
  }
  return YdWindowImplBase::ProcessMessage(msg, wParam, lParam);
}

void YdComboWnd::Notify(YdNotifyMsg& msg) {
  if (msg.type != kNotifyClick || msg.sender == nullptr || root_ == nullptr || closing_) return;
  if (msg.sender->QueryKind(kKindComboElement) == nullptr) return;
  chosen_ = root_->IndexOfChild(msg.sender);
  // The window goes in a later message, not inside the manager's own
  // handling of this click.
  ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
}

LRESULT YdComboWnd::OnKeyDown(UINT, WPARAM wParam, LPARAM, bool& handled) {
  handled = wParam == VK_ESCAPE;
  if (handled) ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
  return 0;
}

LRESULT YdComboWnd::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  closing_ = true;
  GetPaintManager().RemoveNotifyListener(this);
  if (combo_ != nullptr) combo_->BoxClosed(this, chosen_);
  combo_ = nullptr;
  return 0;
}

void YdComboWnd::CloseNow() {
  if (GetHWND() != nullptr && !closing_) ::DestroyWindow(GetHWND());
}

}  // namespace ZEPHYRA_NAMESPACE
