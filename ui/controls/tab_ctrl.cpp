// tab_ctrl.cpp -- YdTabCtrl: its two keys and the adoption of tab items.
#include "ui/controls/tab_ctrl.h"

#include "ui/controls/tab_item.h"
#include "ui/core/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

YdControl* YdTabCtrl::QueryKind(int kind) {
  if (kind == kKindTabCtrl) return this;
  return YdContainer::QueryKind(kind);
}

void YdTabCtrl::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  if (key == L"group") {
    group_ = ParseAttributeValue(YdValueSyntax::kInt, AsUtf16(value)).number;
  } else if (key == L"item") {
    item_attributes_ = value;
  } else {
    YdContainer::ApplyAttribute(key, value);
    return;
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

}  // namespace ZEPHYRA_NAMESPACE
