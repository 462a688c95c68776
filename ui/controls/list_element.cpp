// list_element.cpp -- YdListElement: selecting click and key hand-over to
// the list.
#include "ui/controls/list_element.h"

#include "ui/controls/list.h"

namespace ZEPHYRA_NAMESPACE {

YdControl* YdListElement::QueryKind(int kind) {
  if (kind == kKindListElement) return this;
  return YdOption::QueryKind(kind);
}

YdList* YdListElement::GetOwnerList() const {
  if (parent_ == nullptr) return nullptr;
  return static_cast<YdList*>(parent_->QueryKind(kKindList));
}

bool YdListElement::Activate(YdEvent& event) {
  // The button's click (notification 2), then select rather than toggle.
  if (!YdButton::Activate(event)) return false;
  SetSelected(true);
  return true;
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
