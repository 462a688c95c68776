// tab_ctrl.h -- YdTabCtrl (element "TabCtrl"): a container of tab items.
// Every tab item added to it joins the tab control's option group
// ("group") and gets the "item" attribute list applied, except for keys
// the item was given itself; setting either key later (the skin builder
// applies a parent's keys after building its children) applies it to the
// items already held under the same rule. The items then
// select like grouped options, each showing its page and hiding the others'.
#pragma once

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/container.h"

namespace ZEPHYRA_NAMESPACE {

constexpr int kKindTabCtrl = 13;

class YdTabCtrl : public YdContainer {
 public:
  YdTabCtrl() = default;

  int GetKind() const override { return kKindTabCtrl; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  bool AddChild(YdControl* control) override;
  bool InsertChild(YdControl* control, int index) override;

  int GetGroup() const { return group_; }
  const std::wstring& GetItemAttributes() const { return item_attributes_; }
  // The group and item attributes applied to `control` when it is a tab item.
  void AdoptItem(YdControl* control);

 private:
  int group_ = 0;
  std::wstring item_attributes_;
};

}  // namespace ZEPHYRA_NAMESPACE
