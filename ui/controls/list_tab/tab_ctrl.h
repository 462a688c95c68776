// tab_ctrl.h -- YdTabCtrl (element "TabCtrl"): a container of tab items.
// Every tab item added to it joins the tab control's option group
// ("group") and gets the "item" attribute list applied, except for keys
// the item was given itself; setting either key later (the skin builder
// applies a parent's keys after building its children) applies it to the
// items already held under the same rule. The items then
// select like grouped options, each showing its page and hiding the others'.
// A tab item with "drag" on and "disableswap" off, pressed and dragged onto
// a sibling tab item (which must not have "disableswap" either), swaps
// places with it (tab_swap.h): the two children exchange their order, the
// control is laid out again at once and the dragged item raises
// kNotifyTabSwap.
#pragma once

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"

namespace ZEPHYRA_NAMESPACE {

class YdTabItem;

class YdTabCtrl : public YdContainer {
 public:
  YdTabCtrl() = default;

  int GetKind() const override { return kKindTabCtrl; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The tab control's own keys; its base is the container's table.
  static const YdAttributeTable& AttributeTable();
  bool AddChild(YdControl* control) override;
  bool InsertChild(YdControl* control, int index) override;

  int GetGroup() const { return group_; }
  const std::wstring& GetItemAttributes() const { return item_attributes_; }
  // The group and item attributes applied to `control` when it is a tab item.
  void AdoptItem(YdControl* control);
  // Exchanges the children at `a` and `b` and lays the control out again;
  // false when either index is out of range or they are the same.
  bool SwapChildren(int a, int b);
  // The swap a drag of `item` to `pt` leads to, applied and notified;
  // false when the pointer does not reach a tab to swap with.
  bool DragItemTo(YdTabItem* item, POINT pt);

 private:
  int group_ = 0;
  std::wstring item_attributes_;
};

}  // namespace ZEPHYRA_NAMESPACE
