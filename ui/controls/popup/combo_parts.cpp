// combo_parts.cpp -- kind answers of the combo's entries and spacers, and
// the buddy layout that opens its combo.
#include "ui/controls/popup/combo_parts.h"

#include <cwchar>

#include "ui/controls/popup/combo.h"
#include "ui/control/control_logic.h"
#include "ui/manager/paint_manager.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ComboBuddyAttr : int { kComboId };

constexpr YdAttributeEntry kComboBuddyEntries[] = {
    AttributeEntry("comboId", ComboBuddyAttr::kComboId, YdValueSyntax::kInt),
};

// Depth-first search of `control`'s subtree for a combo with id `id`.
YdCombo* FindComboIn(YdControl* control, int id) {
  if (control == nullptr) return nullptr;
  if (control->GetId() == id) {
    if (YdControl* combo = control->QueryKind(kKindCombo)) return static_cast<YdCombo*>(combo);
  }
  YdControl* box = control->QueryKind(kKindContainer);
  if (box == nullptr) return nullptr;
  auto* container = static_cast<YdContainer*>(box);
  for (int i = 0; i < container->ChildCount(); ++i) {
    if (YdCombo* found = FindComboIn(container->ChildAt(i), id)) return found;
  }
  return nullptr;
}

}  // namespace

YdControl* YdComboElement::QueryKind(int kind) {
  if (kind == kKindComboElement) return this;
  return YdOption::QueryKind(kind);
}

YdControl* YdComboSpace::QueryKind(int kind) {
  if (kind == kKindComboSpace) return this;
  return YdControl::QueryKind(kind);
}

const YdAttributeTable& YdComboBuddy::AttributeTable() {
  static const YdAttributeTable table{kComboBuddyEntries, sizeof(kComboBuddyEntries) / sizeof(kComboBuddyEntries[0]),
                                      &YdVerticalLayout::AttributeTable()};
  return table;
}

void YdComboBuddy::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdVerticalLayout::ApplyAttribute(key, value);
    return;
  }
  switch (static_cast<ComboBuddyAttr>(entry->id)) {
    case ComboBuddyAttr::kComboId: combo_id_ = static_cast<int>(std::wcstol(value.c_str(), nullptr, 10)); break;
  }
}

YdCombo* YdComboBuddy::FindCombo() const {
  if (manager_ == nullptr || combo_id_ == 0) return nullptr;
  return FindComboIn(manager_->GetRoot(), combo_id_);
}

YdControl* YdComboBuddy::FindMatching(YdFindProc proc, void* data, unsigned flags) {
  // Hit tests end here (its children only make up its face); other
  // searches (by name, by id, the manager's indexing) walk the children.
  if ((flags & kFindHitTest) != 0) return YdControl::FindMatching(proc, data, flags);
  return YdContainer::FindMatching(proc, data, flags);
}

bool YdComboBuddy::Activate(YdEvent& event) {
  if (!YdVerticalLayout::Activate(event)) return false;
  YdCombo* combo = FindCombo();
  if (combo == nullptr) return false;
  if (combo->IsDropBoxOpen()) {
    combo->CloseDropBox();
    return true;
  }
  return combo->OpenDropBox();
}

}  // namespace ZEPHYRA_NAMESPACE
