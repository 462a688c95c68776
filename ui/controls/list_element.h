// list_element.h -- YdListElement (element "ListElement"): a selectable row
// of a YdList. Clicking it selects it (it does not toggle like a check box);
// the list clears the other rows. Its key events go to the owning list for
// the Up, Down, Home and End navigation. Drag and drop is not offered.
#pragma once

#include "common/yd_namespace.h"
#include "ui/controls/option.h"

namespace ZEPHYRA_NAMESPACE {

constexpr int kKindListElement = 26;

class YdList;

class YdListElement : public YdOption {
 public:
  YdListElement() = default;

  int GetKind() const override { return kKindListElement; }
  YdControl* QueryKind(int kind) override;
  bool Activate(YdEvent& event) override;
  void SetSelected(bool selected) override;
  void OnKeyDown(YdEvent& event) override;

  // The list holding this row, or null.
  YdList* GetOwnerList() const;
};

}  // namespace ZEPHYRA_NAMESPACE
