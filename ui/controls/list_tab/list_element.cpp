// list_element.cpp -- YdListElement: selecting click, tree keys and
// expansion by click or double click, folding and indent, the drag start
// and key hand-over to the list.
#include "ui/controls/list_tab/list_element.h"

#include "ui/control/control_state.h"
#include "ui/controls/list_tab/list.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ListElementAttr : int { kLevel, kExpanded };

constexpr YdAttributeEntry kListElementEntries[] = {
    AttributeEntry("level", ListElementAttr::kLevel, YdValueSyntax::kInt),
    AttributeEntry("expanded", ListElementAttr::kExpanded, YdValueSyntax::kBool),
};

}  // namespace

YdControl* YdListElement::QueryKind(int kind) {
  if (kind == kKindListElement) return this;
  return YdOption::QueryKind(kind);
}

YdList* YdListElement::GetOwnerList() const {
  if (parent_ == nullptr) return nullptr;
  return static_cast<YdList*>(parent_->QueryKind(kKindList));
}

const YdAttributeTable& YdListElement::AttributeTable() {
  static const YdAttributeTable table{kListElementEntries, sizeof(kListElementEntries) / sizeof(kListElementEntries[0]),
                                      &YdOption::AttributeTable()};
  return table;
}

void YdListElement::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdOption::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<ListElementAttr>(entry->id)) {
    case ListElementAttr::kLevel: SetLevel(v.number); break;
    case ListElementAttr::kExpanded: SetExpanded(v.flag); break;
  }
}

void YdListElement::SetLevel(int level) {
  if (level < 0) level = 0;
  if (level == level_) return;
  level_ = level;
  if (YdList* list = GetOwnerList()) list->TreeChanged();
  NeedParentUpdate();
}

void YdListElement::SetExpanded(bool expanded) {
  if (expanded == expanded_) return;
  expanded_ = expanded;
  if (YdList* list = GetOwnerList()) list->TreeChanged();
  Invalidate();
}

void YdListElement::SetFolded(bool folded) {
  if (folded == folded_) return;
  folded_ = folded;
  // A row folded away while pressed must not start a drag later.
  if (folded) pressing_ = false;
}

bool YdListElement::IsVisible() const { return YdOption::IsVisible() && !folded_; }

RECT YdListElement::GetPadding() const {
  RECT padding = YdOption::GetPadding();
  if (YdList* list = GetOwnerList()) padding.left += level_ * list->GetIndent();
  return padding;
}

bool YdListElement::Activate(YdEvent& event) {
  // The button's click (notification 2), then select rather than toggle.
  if (!YdButton::Activate(event)) return false;
  SetSelected(true);
  YdList* list = GetOwnerList();
  // The button-up that ends a double click is not a second click.
  if (list != nullptr && list->IsClickExpand() && !in_dblclick_) list->ToggleElement(list->IndexOfChild(this));
  return true;
}

void YdListElement::OnLButtonDown(YdEvent& event) {
  if (IsEnabled() && PointInside(event.point)) {
    pressing_ = true;
    press_point_ = event.point;
  }
  YdOption::OnLButtonDown(event);
}

void YdListElement::OnLButtonUp(YdEvent& event) {
  pressing_ = false;
  YdOption::OnLButtonUp(event);
  in_dblclick_ = false;
}

void YdListElement::OnLButtonDblClk(YdEvent& event) {
  YdList* list = GetOwnerList();
  in_dblclick_ = true;
  if (IsEnabled() && list != nullptr && list->IsDoubleClickExpand()) list->ToggleElement(list->IndexOfChild(this));
  YdOption::OnLButtonDblClk(event);
}

void YdListElement::OnMouseMove(YdEvent& event) {
  YdList* list = GetOwnerList();
  if (pressing_ && list != nullptr && list->IsDragEnabled() && IsEnabled() &&
      PassedDragDistance(press_point_, event.point,
                         SIZE{::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG)})) {
    pressing_ = false;
    list->RunDrag(this);
    return;
  }
  YdOption::OnMouseMove(event);
}

void YdListElement::EndPressForDrag() {
  pressing_ = false;
  in_dblclick_ = false;
  state_ &= static_cast<uint8_t>(~(kStateCaptured | kStatePushed));
  Invalidate();
}

void YdListElement::SetSelected(bool selected) {
  const bool was = IsSelected();
  YdOption::SetSelected(selected);
  if (selected && !was) {
    if (YdList* list = GetOwnerList()) list->ElementSelected(this);
  }
}

void YdListElement::OnKeyDown(YdEvent& event) {
  if (IsEnabled()) {
    if (YdList* list = GetOwnerList()) {
      if (list->MoveSelection(event.key)) return;
    }
  }
  YdOption::OnKeyDown(event);
}

}  // namespace ZEPHYRA_NAMESPACE
