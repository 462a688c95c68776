// combo.cpp -- YdCombo: own attribute keys, the chosen entry, keyboard
// stepping, and opening and closing its drop box window.
#include "ui/controls/combo.h"

#include <cwchar>
#include <cwctype>
#include <vector>

#include "ui/controls/combo_parts.h"
#include "ui/controls/control_geometry.h"
#include "ui/controls/combo_wnd.h"
#include "ui/core/event_types.h"
#include "ui/core/paint_manager.h"
#include "ui/core/ui_messages.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

bool IsTrue(const std::wstring& v) { return v == L"true"; }

int ToInt(const std::wstring& v) { return static_cast<int>(std::wcstol(v.c_str(), nullptr, 10)); }

// "cx,cy" (blanks allowed); missing parts stay 0.
SIZE ToSize(const std::wstring& v) {
  SIZE s{0, 0};
  const wchar_t* p = v.c_str();
  wchar_t* end = nullptr;
  s.cx = static_cast<LONG>(std::wcstol(p, &end, 10));
  while (*end == L' ' || *end == L',') ++end;
  s.cy = static_cast<LONG>(std::wcstol(end, nullptr, 10));
  return s;
}

RECT ToRect(const std::wstring& v) {
  RECT r{0, 0, 0, 0};
  LONG* parts[] = {&r.left, &r.top, &r.right, &r.bottom};
  const wchar_t* p = v.c_str();
  for (LONG* part : parts) {
    wchar_t* end = nullptr;
    *part = static_cast<LONG>(std::wcstol(p, &end, 10));
    if (end == p) break;
    p = end;
    while (*p == L' ' || *p == L',') ++p;
  }
  return r;
}

}  // namespace

YdCombo::YdCombo() = default;

YdCombo::~YdCombo() { CloseDropBox(); }

YdControl* YdCombo::QueryKind(int kind) {
  if (kind == kKindCombo) return this;
  return YdContainer::QueryKind(kind);
}

void YdCombo::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  if (key == L"dropbox") {
    dropbox_attrs_ = value;
  } else if (key == L"dropboxsize") {
    dropbox_size_ = ToSize(value);
  } else if (key == L"dropboxroundcorner") {
    dropbox_round_ = ToSize(value);
  } else if (key == L"dropboxcolumn") {
    dropbox_column_ = ToInt(value) < 1 ? 1 : ToInt(value);
  } else if (key == L"dropboxlayeredwindow") {
    dropbox_layered_ = IsTrue(value);
  } else if (key == L"readonly") {
    readonly_ = IsTrue(value);
  } else if (key == L"dropboxautoheight") {
    dropbox_auto_height_ = IsTrue(value);
  } else if (key == L"direct") {
    direct_ = IsTrue(value);
  } else if (key == L"space") {
    space_ = value;
  } else if (key == L"spacewidth") {
    space_width_ = ToInt(value);
  } else if (key == L"spaceheight") {
    space_height_ = ToInt(value);
  } else if (key == L"more") {
    more_ = value;
  } else if (key == L"defaultelementwidth") {
    default_element_width_ = ToInt(value);
  } else if (key == L"defaultelementheight") {
    default_element_height_ = ToInt(value);
  } else if (key == L"autocenter") {
    auto_center_ = IsTrue(value);
  } else if (key == L"dropboxspace") {
    dropbox_space_ = ToRect(value);
  } else if (key == L"layout") {
    vertical_box_ = value != L"horizontal";
  } else {
    YdContainer::ApplyAttribute(key, value);
  }
}

void YdCombo::Initialize() {
  YdContainer::Initialize();
  // An entry marked "selected" in the skin is the first choice.
  if (cur_sel_ < 0) {
    for (int i = 0; i < ChildCount(); ++i) {
      YdControl* found = ChildAt(i)->QueryKind(kKindComboElement);
      if (found != nullptr && static_cast<YdComboElement*>(found)->IsSelected()) {
        cur_sel_ = i;
        SetText(found->GetText());
        break;
      }
    }
  }
}

void YdCombo::Paint(HDC dc, const RECT& dirty) { YdControl::Paint(dc, dirty); }

YdControl* YdCombo::FindMatching(YdFindProc proc, void* data, unsigned flags) {
  // Hit tests end here (the entries are not clicked in place); other
  // searches (by name, by id, the manager's indexing) walk the children.
  if ((flags & kFindHitTest) != 0) return YdControl::FindMatching(proc, data, flags);
  return YdContainer::FindMatching(proc, data, flags);
}

bool YdCombo::Activate(YdEvent& event) {
  if (!YdControl::Activate(event)) return false;
  if (IsDropBoxOpen()) {
    CloseDropBox();
    return true;
  }
  return OpenDropBox();
}

void YdCombo::OnKeyDown(YdEvent& event) {
  const bool alt = (event.keyState & kKeyStateAlt) != 0;
  if (event.key == VK_F4 || (alt && event.key == VK_DOWN)) {
    YdEvent open = event;
    Activate(open);
    return;
  }
  if (event.key == VK_DOWN || event.key == VK_UP) {
    const int next = NextElement(cur_sel_, event.key == VK_DOWN ? 1 : -1);
    if (next >= 0) SelectItem(next);
    return;
  }
  YdContainer::OnKeyDown(event);
}

int YdCombo::NextElement(int from, int step) const {
  const int count = ChildCount();
  int i = from < 0 ? (step > 0 ? -1 : count) : from;
  for (i += step; i >= 0 && i < count; i += step) {
    YdControl* child = ChildAt(i);
    if (child->QueryKind(kKindComboElement) != nullptr && child->IsEnabled()) return i;
  }
  return -1;
}

bool YdCombo::SelectItem(int index) {
  if (IsDropBoxOpen()) return false;  // the entries live in the box meanwhile
  YdControl* child = ChildAt(index);
  if (child == nullptr) return false;
  YdControl* found = child->QueryKind(kKindComboElement);
  if (found == nullptr) return false;
  auto* element = static_cast<YdComboElement*>(found);
  const int previous = cur_sel_;
  cur_sel_ = index;
  if (!element->IsSelected()) element->SetSelected(true);
  // Only one entry is chosen, grouped or not.
  for (int i = 0; i < ChildCount(); ++i) {
    YdControl* other = ChildAt(i)->QueryKind(kKindComboElement);
    if (other != nullptr && i != index) static_cast<YdComboElement*>(other)->SetSelected(false);
  }
  SetText(element->GetText());
  if (previous != index && manager_ != nullptr) {
    manager_->RaiseNotify(this, kNotifyComboSelect, static_cast<WPARAM>(index), static_cast<LPARAM>(previous));
  }
  Invalidate();
  return true;
}

RECT YdCombo::DropBoxRect() const {
  const int width = dropbox_size_.cx > 0 ? dropbox_size_.cx : pos_.right - pos_.left;
  int content = 0;
  for (YdControl* child : children_) {
    if (!child->IsVisible()) continue;
    int h = child->GetFixedHeight();
    if (h <= 0) h = default_element_height_ > 0 ? default_element_height_ : pos_.bottom - pos_.top;
    content += h;
  }
  const RECT inset = ToRECT(inset_);
  content += inset.top + inset.bottom;
  int height = dropbox_size_.cy > 0 ? dropbox_size_.cy : content;
  if (dropbox_auto_height_ && content < height) height = content;
  if (height < 1) height = 1;
  POINT origin{pos_.left + dropbox_space_.left, pos_.bottom + dropbox_space_.top};
  if (manager_ != nullptr && manager_->GetWindow() != nullptr) ::ClientToScreen(manager_->GetWindow(), &origin);
  return {origin.x, origin.y, origin.x + width, origin.y + height};
}

bool YdCombo::OpenDropBox() {
  if (drop_ != nullptr || !IsEnabled() || manager_ == nullptr || manager_->GetWindow() == nullptr) return false;
  const RECT screen = DropBoxRect();
  drop_ = YdComboWnd::Open(this, screen);
  Invalidate();
  return drop_ != nullptr;
}

void YdCombo::CloseDropBox() {
  if (drop_ == nullptr) return;
  YdComboWnd* box = drop_;
  box->CloseNow();  // gives the entries back and clears drop_
  drop_ = nullptr;
  Invalidate();
}

HWND YdCombo::GetDropBoxWindow() const { return drop_ != nullptr ? drop_->GetHWND() : nullptr; }

void YdCombo::BoxClosed(YdComboWnd* from, int chosen) {
  if (from != drop_) return;
  YdContainer* root = from->GetRootLayout();
  std::vector<YdControl*> entries;
  if (root != nullptr) {
    for (int i = 0; i < root->ChildCount(); ++i) entries.push_back(root->ChildAt(i));
    for (YdControl* entry : entries) from->GetPaintManager().ReleaseControl(entry);
    root->RemoveAllChildrenNow();
  }
  for (YdControl* entry : entries) {
    children_.push_back(entry);
    Attach(entry);
  }
  drop_ = nullptr;
  NeedUpdate();
  Invalidate();
  if (chosen >= 0) SelectItem(chosen);
}

}  // namespace ZEPHYRA_NAMESPACE
