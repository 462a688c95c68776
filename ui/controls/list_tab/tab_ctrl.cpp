// tab_ctrl.cpp -- YdTabCtrl: its two keys, the adoption of tab items and
// swapping dragged items.
#include "ui/controls/list_tab/tab_ctrl.h"

#include <utility>
#include <vector>

#include "ui/controls/list_tab/tab_item.h"
#include "ui/controls/list_tab/tab_swap.h"
#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class TabCtrlAttr : int { kGroup, kItem };

constexpr YdAttributeEntry kTabCtrlEntries[] = {
    AttributeEntry("group", TabCtrlAttr::kGroup, YdValueSyntax::kInt),
    AttributeEntry("item", TabCtrlAttr::kItem, YdValueSyntax::kAttributeList),
};

}  // namespace

YdControl* YdTabCtrl::QueryKind(int kind) {
  if (kind == kKindTabCtrl) return this;
  return YdContainer::QueryKind(kind);
}

const YdAttributeTable& YdTabCtrl::AttributeTable() {
  static const YdAttributeTable table{kTabCtrlEntries, sizeof(kTabCtrlEntries) / sizeof(kTabCtrlEntries[0]),
                                      &YdContainer::AttributeTable()};
  return table;
}

void YdTabCtrl::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  switch (static_cast<TabCtrlAttr>(entry->id)) {
    case TabCtrlAttr::kGroup: group_ = ParseEntryValue(*entry, value).number; break;
    case TabCtrlAttr::kItem: item_attributes_ = value; break;
  }
  for (YdControl* child : children_) AdoptItem(child);
  NeedUpdate();
}

void YdTabCtrl::AdoptItem(YdControl* control) {
  YdControl* found = control != nullptr ? control->QueryKind(kKindTabItem) : nullptr;
  if (found == nullptr) return;
  auto* item = static_cast<YdTabItem*>(found);
  if (!item_attributes_.empty()) item->ApplyItemDefaults(item_attributes_);
  if (group_ != 0 && item->GetGroup() != group_) item->SetGroup(group_);
}

bool YdTabCtrl::AddChild(YdControl* control) {
  if (!YdContainer::AddChild(control)) return false;
  AdoptItem(control);
  return true;
}

bool YdTabCtrl::InsertChild(YdControl* control, int index) {
  if (!YdContainer::InsertChild(control, index)) return false;
  AdoptItem(control);
  return true;
}

bool YdTabCtrl::SwapChildren(int a, int b) {
  const int count = ChildCount();
  if (a < 0 || b < 0 || a >= count || b >= count || a == b) return false;
  std::swap(children_[static_cast<size_t>(a)], children_[static_cast<size_t>(b)]);
  NeedUpdate();
  // Placed at once: the next pointer move must see the new places.
  if (GetWidth() > 0 || GetHeight() > 0) SetPosition(GetPosition());
  Invalidate();
  return true;
}

bool YdTabCtrl::DragItemTo(YdTabItem* item, POINT pt) {
  const int from = IndexOfChild(item);
  if (from < 0) return false;
  std::vector<YdTabSlot> slots;
  slots.reserve(children_.size());
  for (YdControl* child : children_) {
    YdControl* found = child->QueryKind(kKindTabItem);
    const auto* tab = static_cast<YdTabItem*>(found);
    YdTabSlot slot;
    slot.rect = FromRECT(child->GetPosition());
    slot.swappable = tab != nullptr && tab->IsVisible() && tab->IsEnabled() && !tab->IsSwapDisabled();
    slots.push_back(slot);
  }
  // Only a dragging item may start a swap; its targets need not drag.
  if (!item->IsDragEnabled()) slots[static_cast<size_t>(from)].swappable = false;
  const int to = TabSwapIndex(slots, from, YdPoint{pt.x, pt.y});
  if (to < 0 || !SwapChildren(from, to)) return false;
  if (manager_ != nullptr) manager_->RaiseNotify(item, kNotifyTabSwap, static_cast<WPARAM>(from), to);
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
