// combo.cpp -- YdCombo: own attribute keys, the chosen entry, keyboard and
// wheel stepping, and opening and closing its drop box window.
#include "ui/controls/popup/combo.h"

#include <cwctype>
#include <vector>

#include "ui/controls/popup/combo_parts.h"
#include "ui/control/control_logic.h"
#include "ui/controls/popup/combo_wnd.h"
#include "ui/controls/popup/menu_navigation.h"
#include "ui/manager/event_types.h"
#include "ui/manager/paint_manager.h"
#include "ui/manager/ui_messages.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ComboAttr : int {
  kDropBox, kDropBoxSize, kDropBoxRoundCorner, kDropBoxColumn, kDropBoxLayeredWindow, kReadOnly,
  kDropBoxAutoHeight, kDirect, kSpace, kSpaceWidth, kSpaceHeight, kMore, kDefaultElementWidth,
  kDefaultElementHeight, kAutoCenter, kDropBoxSpace, kLayout,
};

constexpr YdAttributeEntry kComboEntries[] = {
    AttributeEntry("dropbox", ComboAttr::kDropBox, YdValueSyntax::kAttributeList),
    AttributeEntry("dropboxsize", ComboAttr::kDropBoxSize, YdValueSyntax::kLengthPair),
    AttributeEntry("dropboxroundcorner", ComboAttr::kDropBoxRoundCorner, YdValueSyntax::kLengthPair),
    AttributeEntry("dropboxcolumn", ComboAttr::kDropBoxColumn, YdValueSyntax::kInt),
    AttributeEntry("dropboxlayeredwindow", ComboAttr::kDropBoxLayeredWindow, YdValueSyntax::kBool),
    AttributeEntry("readonly", ComboAttr::kReadOnly, YdValueSyntax::kBool),
    AttributeEntry("dropboxautoheight", ComboAttr::kDropBoxAutoHeight, YdValueSyntax::kBool),
    // "true" or "up" opens the box upwards.
    AttributeEntry("direct", ComboAttr::kDirect, YdValueSyntax::kString),
    AttributeEntry("space", ComboAttr::kSpace, YdValueSyntax::kAttributeList),
    AttributeEntry("spacewidth", ComboAttr::kSpaceWidth, YdValueSyntax::kLength),
    AttributeEntry("spaceheight", ComboAttr::kSpaceHeight, YdValueSyntax::kLength),
    AttributeEntry("more", ComboAttr::kMore, YdValueSyntax::kString),
    AttributeEntry("defaultelementwidth", ComboAttr::kDefaultElementWidth, YdValueSyntax::kLength),
    AttributeEntry("defaultelementheight", ComboAttr::kDefaultElementHeight, YdValueSyntax::kLength),
    AttributeEntry("autocenter", ComboAttr::kAutoCenter, YdValueSyntax::kBool),
    AttributeEntry("dropboxspace", ComboAttr::kDropBoxSpace, YdValueSyntax::kLengthRect),
    // "horizontal"; anything else is vertical.
    AttributeEntry("layout", ComboAttr::kLayout, YdValueSyntax::kString),
};

}  // namespace

YdCombo::YdCombo() = default;

YdCombo::~YdCombo() { CloseDropBox(); }

YdControl* YdCombo::QueryKind(int kind) {
  if (kind == kKindCombo) return this;
  return YdContainer::QueryKind(kind);
}

const YdAttributeTable& YdCombo::AttributeTable() {
  static const YdAttributeTable table{kComboEntries, sizeof(kComboEntries) / sizeof(kComboEntries[0]),
                                      &YdContainer::AttributeTable()};
  return table;
}

void YdCombo::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<ComboAttr>(entry->id)) {
    case ComboAttr::kDropBox: dropbox_attrs_ = value; break;
    case ComboAttr::kDropBoxSize: dropbox_size_ = {v.pair.x, v.pair.y}; break;
    case ComboAttr::kDropBoxRoundCorner: dropbox_round_ = {v.pair.x, v.pair.y}; break;
    case ComboAttr::kDropBoxColumn: dropbox_column_ = v.number < 1 ? 1 : v.number; break;
    case ComboAttr::kDropBoxLayeredWindow: dropbox_layered_ = v.flag; break;
    case ComboAttr::kReadOnly: readonly_ = v.flag; break;
    case ComboAttr::kDropBoxAutoHeight: dropbox_auto_height_ = v.flag; break;
    case ComboAttr::kDirect: direct_ = ParseBool(AsUtf16(value)) || value == L"up"; break;
    case ComboAttr::kSpace: space_ = value; break;
    case ComboAttr::kSpaceWidth: space_width_ = v.number; break;
    case ComboAttr::kSpaceHeight: space_height_ = v.number; break;
    case ComboAttr::kMore: more_ = value; break;
    case ComboAttr::kDefaultElementWidth: default_element_width_ = v.number; break;
    case ComboAttr::kDefaultElementHeight: default_element_height_ = v.number; break;
    case ComboAttr::kAutoCenter: auto_center_ = v.flag; break;
    case ComboAttr::kDropBoxSpace: dropbox_space_ = ToRECT(v.rect); break;
    case ComboAttr::kLayout: vertical_box_ = value != L"horizontal"; break;
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
  switch (event.key) {
    case VK_DOWN: StepChoice(static_cast<int>(YdNavKey::kNext)); return;
    case VK_UP: StepChoice(static_cast<int>(YdNavKey::kPrevious)); return;
    case VK_HOME: StepChoice(static_cast<int>(YdNavKey::kFirst)); return;
    case VK_END: StepChoice(static_cast<int>(YdNavKey::kLast)); return;
    default: break;
  }
  YdContainer::OnKeyDown(event);
}

void YdCombo::OnMouseWheel(YdEvent& event) {
  // The wheel event's wParam is 1 for a turn towards the user (down).
  if (IsEnabled() && !IsDropBoxOpen() && !readonly_) {
    StepChoice(static_cast<int>(event.wParam == 1 ? YdNavKey::kNext : YdNavKey::kPrevious));
    return;
  }
  YdContainer::OnMouseWheel(event);
}

void YdCombo::OnChar(YdEvent& event) {
  const auto letter = static_cast<wchar_t>(event.key);
  if (letter >= L' ' && !readonly_ && IsEnabled() && !IsDropBoxOpen()) {
    std::vector<YdNavEntry> entries;
    std::vector<std::wstring> texts;
    for (YdControl* child : children_) {
      entries.push_back({child->IsVisible(), child->IsEnabled(), child->QueryKind(kKindComboElement) != nullptr});
      texts.push_back(child->GetText());
    }
    const YdAccelMatch match = MatchAccelerator(entries, texts, cur_sel_, letter);
    if (match.index >= 0) {
      SelectItem(match.index);
      return;
    }
  }
  YdContainer::OnChar(event);
}

bool YdCombo::StepChoice(int navKey) {
  if (readonly_ || !IsEnabled() || IsDropBoxOpen()) return false;
  std::vector<YdNavEntry> entries;
  for (YdControl* child : children_) {
    entries.push_back({child->IsVisible(), child->IsEnabled(), child->QueryKind(kKindComboElement) != nullptr});
  }
  const int next = NextHotEntry(entries, cur_sel_, static_cast<YdNavKey>(navKey), {false, 1});
  return next >= 0 && next != cur_sel_ && SelectItem(next);
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

YdRect YdCombo::ScreenAnchor() const {
  POINT corners[2] = {{pos_.left, pos_.top}, {pos_.right, pos_.bottom}};
  if (manager_ != nullptr && manager_->GetWindow() != nullptr) {
    ::MapWindowPoints(manager_->GetWindow(), nullptr, corners, 2);
  }
  return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

YdRect YdCombo::WorkArea() const {
  const YdRect anchor = ScreenAnchor();
  const RECT at{anchor.left, anchor.top, anchor.right, anchor.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  RECT work{};
  if (::GetMonitorInfoW(::MonitorFromRect(&at, MONITOR_DEFAULTTONEAREST), &info) != 0) {
    work = info.rcWork;
  } else if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) == 0) {
    work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  }
  return {work.left, work.top, work.right, work.bottom};
}

YdComboBoxKeys YdCombo::BoxKeys() const {
  YdComboBoxKeys keys;
  keys.size = {dropbox_size_.cx, dropbox_size_.cy};
  keys.autoHeight = dropbox_auto_height_;
  keys.columns = dropbox_column_;
  keys.upward = direct_;
  keys.horizontal = !vertical_box_;
  keys.defaultElement = {default_element_width_, default_element_height_};
  keys.autoCenter = auto_center_;
  keys.space = {dropbox_space_.left, dropbox_space_.top, dropbox_space_.right, dropbox_space_.bottom};
  keys.inset = inset_;
  keys.spacerWidth = space_width_ > 0 ? space_width_ : 0;
  keys.spacerHeight = space_height_ > 0 ? space_height_ : 0;
  keys.hasMore = !more_.empty();
  return keys;
}

RECT YdCombo::DropBoxRect() const {
  std::vector<YdComboBoxEntry> entries;
  for (const YdControl* child : children_) {
    entries.push_back({child->GetFixedWidth(), child->GetFixedHeight(), child->IsVisible()});
  }
  const YdRect box = PlanComboBox(ScreenAnchor(), WorkArea(), entries, BoxKeys()).box;
  return {box.left, box.top, box.right, box.bottom};
}

bool YdCombo::OpenDropBox() {
  if (drop_ != nullptr || readonly_ || !IsEnabled() || manager_ == nullptr || manager_->GetWindow() == nullptr) {
    return false;
  }
  drop_ = YdComboWnd::Open(this);
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

void YdCombo::BoxClosed(YdComboWnd* from, int chosen, const std::vector<YdControl*>& entries) {
  if (from != drop_) return;
  for (YdControl* entry : entries) {
    children_.push_back(entry);
    Attach(entry);
  }
  drop_ = nullptr;
  NeedUpdate();
  Invalidate();
  if (chosen >= 0) SelectItem(chosen);
}

void YdCombo::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdContainer::RescaleGeometry(from, to);
  if (from == to) return;
  auto length = [&](auto& v) { v = YdDpiScale::Rescale(v, from, to); };
  length(dropbox_size_.cx);
  length(dropbox_size_.cy);
  length(dropbox_round_.cx);
  length(dropbox_round_.cy);
  length(space_width_);
  length(space_height_);
  length(default_element_width_);
  length(default_element_height_);
  dropbox_space_ = ToRECT(YdDpiScale::Rescale(FromRECT(dropbox_space_), from, to));
}

}  // namespace ZEPHYRA_NAMESPACE
