// combo_wnd.cpp -- YdComboWnd: the popup that holds a combo's entries while
// its drop box is open, placed and arranged by the drop box plan, with its
// keyboard and wheel paging.
#include "ui/controls/popup/combo_wnd.h"

#include <algorithm>
#include <string>

#include "common/scoped_gdi.h"
#include "ui/controls/basic/button.h"
#include "ui/controls/popup/combo.h"
#include "ui/controls/popup/combo_parts.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/popup/menu_navigation.h"
#include "ui/manager/event_types.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// The box's root: it puts every child at the place the plan gave it
// (relative to its own corner) instead of a layout of its own.
class BoxRoot : public YdContainer {
 public:
  void SetPosition(const RECT& rc) override {
    YdControl::SetPosition(rc);
    for (int i = 0; i < ChildCount(); ++i) {
      const YdRect at = i < static_cast<int>(places.size()) ? places[static_cast<size_t>(i)] : YdRect{};
      ChildAt(i)->SetPosition(at.IsEmpty() ? RECT{rc.left, rc.top, rc.left, rc.top}
                                           : RECT{rc.left + at.left, rc.top + at.top, rc.left + at.right,
                                                  rc.top + at.bottom});
    }
    SetNeedsLayout(false);
  }
  std::vector<YdRect> places;  // per child, in the child order
};

std::vector<YdComboBoxEntry> EntryInfo(const std::vector<YdControl*>& entries) {
  std::vector<YdComboBoxEntry> out;
  out.reserve(entries.size());
  for (const YdControl* e : entries) out.push_back({e->GetFixedWidth(), e->GetFixedHeight(), e->IsVisible()});
  return out;
}

std::vector<YdNavEntry> NavInfo(const std::vector<YdControl*>& entries) {
  std::vector<YdNavEntry> out;
  out.reserve(entries.size());
  for (YdControl* e : entries) {
    out.push_back({e->IsVisible(), e->IsEnabled(), e->QueryKind(kKindComboElement) != nullptr});
  }
  return out;
}

}  // namespace

YdComboWnd* YdComboWnd::Open(YdCombo* combo) {
  HWND owner = combo->GetManager() != nullptr ? combo->GetManager()->GetWindow() : nullptr;
  auto* box = new YdComboWnd(combo);
  box->anchor_ = combo->ScreenAnchor();
  box->work_ = combo->WorkArea();
  box->keys_ = combo->BoxKeys();
  box->entries_.assign(combo->children_.begin(), combo->children_.end());
  box->hot_ = combo->GetCurSel();
  box->keys_.first = ComboBoxFirstShowing(box->anchor_, box->work_, EntryInfo(box->entries_), box->keys_, box->hot_);
  box->plan_ = PlanComboBox(box->anchor_, box->work_, EntryInfo(box->entries_), box->keys_);
  // The object belongs to its window from here on (OnFinalDestroy).
  combo->drop_ = box;
  bool gone = false;
  box->gone_ = &gone;
  const DWORD exStyle = WS_EX_TOOLWINDOW | (combo->IsDropBoxLayered() ? WS_EX_LAYERED : 0);
  const YdRect& at = box->plan_.box;
  const HWND made =
      box->Create(owner, L"", WS_POPUP | WS_CLIPCHILDREN, exStyle, at.left, at.top, at.Width(), at.Height());
  if (!gone) box->gone_ = nullptr;
  if (made == nullptr) {
    // A window that got as far as WM_DESTROY gave the entries back, cleared
    // drop_ and deleted itself; otherwise nothing moved and the object is
    // still ours.
    if (combo->drop_ == box) combo->drop_ = nullptr;
    if (!gone) delete box;
    return nullptr;
  }
  box->ShapeWindow();
  ::ShowWindow(box->GetHWND(), SW_SHOW);
  ::SetForegroundWindow(box->GetHWND());
  box->SetHotEntry(box->hot_);
  return box;
}

void YdComboWnd::ShapeWindow() {
  const SIZE round = combo_->GetDropBoxRoundCorner();
  if (round.cx <= 0 && round.cy <= 0) return;
  RECT client{};
  ::GetClientRect(GetHWND(), &client);
  ScopedRegion region(::CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, round.cx, round.cy));
  // The window owns the region once it is set.
  if (region.Get() != nullptr && ::SetWindowRgn(GetHWND(), region.Get(), FALSE) != 0) (void)region.Take();
}

bool YdComboWnd::Populate() {
  YdPaintManager& manager = GetPaintManager();
  manager.BindWindow(GetHWND());
  // The entries keep the fonts of the combo's skin.
  if (YdPaintManager* owner = combo_->GetManager()) manager.Fonts().CopyFrom(owner->Fonts());
  if (combo_->IsDropBoxLayered()) manager.SetLayered(true);
  auto* root = new BoxRoot;
  root->SetAutoDestroy(false);  // the entries are the combo's; the box's own parts go in OnDestroy
  if (!combo_->GetDropBoxAttributes().empty()) root->ApplyAttributeString(combo_->GetDropBoxAttributes());
  // The entries move from the combo's window into this one. The combo's
  // window keeps its name and id index of them (they live on and come
  // back); nothing there can hover, push or focus them while the combo
  // hit-tests as one piece.
  combo_->children_.clear();
  for (YdControl* entry : entries_) {
    // The box closes on an entry's click, so every entry reports it.
    entry->SetNotifyEnabled(kNotifyClick, true);
    root->AddChild(entry);
  }
  if (!combo_->GetMoreText().empty()) {
    auto* more = new YdButton;
    more->SetText(combo_->GetMoreText());
    more->SetNotifyEnabled(kNotifyClick, true);
    root->AddChild(more);
    more_ = more;
  }
  root_ = root;
  Replan();
  manager.AttachRoot(root);
  manager.AddNotifyListener(this);
  return true;
}

void YdComboWnd::Replan() {
  if (root_ == nullptr) return;
  plan_ = PlanComboBox(anchor_, work_, EntryInfo(entries_), keys_);
  // Spacers are made as a page needs them; the spare ones are not shown.
  while (spacers_.size() < plan_.spacers.size()) {
    auto* spacer = new YdComboSpace;
    if (!combo_->GetSpaceAttributes().empty()) spacer->ApplyAttributeString(combo_->GetSpaceAttributes());
    root_->AddChild(spacer);
    spacers_.push_back(spacer);
  }
  auto* root = static_cast<BoxRoot*>(root_);
  root->places.assign(static_cast<size_t>(root->ChildCount()), YdRect{});
  for (size_t i = 0; i < entries_.size(); ++i) {
    const int at = root->IndexOfChild(entries_[i]);
    if (at >= 0) root->places[static_cast<size_t>(at)] = plan_.cells[i];
  }
  for (size_t i = 0; i < spacers_.size() && i < plan_.spacers.size(); ++i) {
    const int at = root->IndexOfChild(spacers_[i]);
    if (at >= 0) root->places[static_cast<size_t>(at)] = plan_.spacers[i];
  }
  if (more_ != nullptr && plan_.moreShown) {
    const int at = root->IndexOfChild(more_);
    if (at >= 0) root->places[static_cast<size_t>(at)] = plan_.more;
  }
  const RECT pos = root->GetPosition();
  if (pos.right > pos.left) root->SetPosition(pos);
  root->Invalidate();
}

void YdComboWnd::ShowFrom(int first) {
  const int count = static_cast<int>(entries_.size());
  keys_.first = std::clamp(first, 0, std::max(count - 1, 0));
  Replan();
}

void YdComboWnd::SetHotEntry(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  for (size_t i = 0; i < entries_.size(); ++i) {
    YdControl* e = entries_[i];
    const uint8_t bits = e->GetStateBits();
    const uint8_t want = static_cast<int>(i) == index ? static_cast<uint8_t>(bits | kStateHot)
                                                       : static_cast<uint8_t>(bits & ~kStateHot);
    if (want != bits) {
      e->SetStateBits(want);
      e->Invalidate();
    }
  }
  hot_ = index;
  const int first = ComboBoxFirstShowing(anchor_, work_, EntryInfo(entries_), keys_, index);
  if (first != keys_.first) ShowFrom(first);
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
  if (msg.sender == more_) {
    ShowFrom(plan_.shownEnd);
    return;
  }
  if (msg.sender->QueryKind(kKindComboElement) == nullptr) return;
  const auto found = std::find(entries_.begin(), entries_.end(), msg.sender);
  if (found == entries_.end()) return;
  chosen_ = static_cast<int>(found - entries_.begin());
  // The window goes in a later message, not inside the manager's own
  // handling of this click.
  ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
}

int YdComboWnd::CurrentEntry() const {
  // An entry the pointer made hot since counts as the current one.
  int current = hot_;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (static_cast<int>(i) != hot_ && (entries_[i]->GetStateBits() & kStateHot) != 0) current = static_cast<int>(i);
  }
  return current;
}

LRESULT YdComboWnd::OnKeyDown(UINT, WPARAM wParam, LPARAM, bool& handled) {
  handled = true;
  YdNavKey key = YdNavKey::kNext;
  switch (wParam) {
    case VK_ESCAPE:
    case VK_F4:
      ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
      return 0;
    case VK_RETURN: {
      if (closing_) return 0;
      const int current = CurrentEntry();
      YdControl* entry = current >= 0 ? entries_[static_cast<size_t>(current)] : nullptr;
      if (entry != nullptr && entry->QueryKind(kKindComboElement) != nullptr && entry->IsEnabled() &&
          entry->IsVisible()) {
        chosen_ = current;
      }
      ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
      return 0;
    }
    case VK_UP:
    case VK_LEFT: key = YdNavKey::kPrevious; break;
    case VK_DOWN:
    case VK_RIGHT: key = YdNavKey::kNext; break;
    case VK_HOME: key = YdNavKey::kFirst; break;
    case VK_END: key = YdNavKey::kLast; break;
    case VK_PRIOR: key = YdNavKey::kPagePrevious; break;
    case VK_NEXT: key = YdNavKey::kPageNext; break;
    default:
      handled = false;
      return 0;
  }
  SetHotEntry(NextHotEntry(NavInfo(entries_), CurrentEntry(), key, {false, plan_.page}));
  return 0;
}

LRESULT YdComboWnd::OnChar(UINT, WPARAM wParam, LPARAM, bool& handled) {
  handled = false;
  const auto letter = static_cast<wchar_t>(wParam);
  if (closing_ || letter < L' ') return 0;
  std::vector<std::wstring> texts;
  for (YdControl* e : entries_) texts.push_back(e->GetText());
  const YdAccelMatch match = MatchAccelerator(NavInfo(entries_), texts, CurrentEntry(), letter);
  if (match.index < 0) return 0;
  handled = true;
  SetHotEntry(match.index);
  return 0;
}

LRESULT YdComboWnd::OnMouseWheel(UINT, WPARAM wParam, LPARAM, bool& handled) {
  handled = true;
  const bool down = GET_WHEEL_DELTA_WPARAM(wParam) < 0;
  if (down && plan_.shownEnd < static_cast<int>(entries_.size())) {
    ShowFrom(keys_.first + 1);
  } else if (!down && keys_.first > 0) {
    ShowFrom(keys_.first - 1);
  }
  return 0;
}

LRESULT YdComboWnd::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  closing_ = true;
  YdPaintManager& manager = GetPaintManager();
  manager.RemoveNotifyListener(this);
  if (root_ != nullptr) {
    for (int i = 0; i < root_->ChildCount(); ++i) manager.ReleaseControl(root_->ChildAt(i));
    root_->RemoveAllChildrenNow();
  }
  for (YdControl* spacer : spacers_) delete spacer;
  spacers_.clear();
  delete more_;
  more_ = nullptr;
  for (YdControl* e : entries_) e->SetStateBits(static_cast<uint8_t>(e->GetStateBits() & ~kStateHot));
  if (combo_ != nullptr) combo_->BoxClosed(this, chosen_, entries_);
  combo_ = nullptr;
  return 0;
}

void YdComboWnd::CloseNow() {
  if (GetHWND() != nullptr && !closing_) ::DestroyWindow(GetHWND());
}

}  // namespace ZEPHYRA_NAMESPACE
