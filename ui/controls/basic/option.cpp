// option.cpp -- YdOption: selection, groups, the click and double-click
// rules and the selected painting rules.
#include "ui/controls/basic/option.h"

#include <vector>

#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class OptionAttr : int {
  kGroup, kSelected, kDbClick, kCtrlDown, kDisabledSelectedImage, kHotSelectedImage, kManualSelected,
};

constexpr YdAttributeEntry kOptionEntries[] = {
    {"group", static_cast<int>(OptionAttr::kGroup), YdValueSyntax::kInt, YdVisualState::kNormal},
    {"selected", static_cast<int>(OptionAttr::kSelected), YdValueSyntax::kBool, YdVisualState::kNormal},
    {"dbclick", static_cast<int>(OptionAttr::kDbClick), YdValueSyntax::kBool, YdVisualState::kNormal},
    {"ctrldown", static_cast<int>(OptionAttr::kCtrlDown), YdValueSyntax::kBool, YdVisualState::kNormal},
    {"disabledselectedimage", static_cast<int>(OptionAttr::kDisabledSelectedImage), YdValueSyntax::kDescriptor,
     YdVisualState::kNormal},
    {"hotselectedimage", static_cast<int>(OptionAttr::kHotSelectedImage), YdValueSyntax::kDescriptor,
     YdVisualState::kNormal},
    {"manualselected", static_cast<int>(OptionAttr::kManualSelected), YdValueSyntax::kBool, YdVisualState::kNormal},
};

}  // namespace

const YdAttributeTable& YdOption::AttributeTable() {
  static const YdAttributeTable table{kOptionEntries, sizeof(kOptionEntries) / sizeof(kOptionEntries[0]),
                                      &YdButton::AttributeTable()};
  return table;
}

YdOption::~YdOption() {
  if (manager_ != nullptr && group_ != 0) manager_->RemoveFromGroup(group_, this);
}

YdControl* YdOption::QueryKind(int kind) {
  if (kind == kKindOption) return this;
  return YdButton::QueryKind(kind);
}

void YdOption::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdButton::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<OptionAttr>(entry->id)) {
    case OptionAttr::kGroup: SetGroup(v.number); break;
    case OptionAttr::kSelected: SetSelected(v.flag); break;
    case OptionAttr::kDbClick: dbclick_ = v.flag; break;
    case OptionAttr::kCtrlDown: ctrl_down_ = v.flag; break;
    case OptionAttr::kDisabledSelectedImage: SetDisabledSelectedImage(ToWide(v.text)); break;
    case OptionAttr::kHotSelectedImage: hot_selected_image_ = ToWide(v.text); break;
    case OptionAttr::kManualSelected: manual_selected_ = v.flag; break;
  }
}

void YdOption::SetGroup(int group) {
  if (manager_ != nullptr && group_ != 0) manager_->RemoveFromGroup(group_, this);
  group_ = group;
  if (manager_ != nullptr && group_ != 0) manager_->AddToGroup(group_, this);
  SetSelected(selected_);
}

void YdOption::SetManager(YdPaintManager* manager) {
  if (manager != manager_ && group_ != 0) {
    if (manager_ != nullptr) manager_->RemoveFromGroup(group_, this);
    if (manager != nullptr) manager->AddToGroup(group_, this);
  }
  YdButton::SetManager(manager);
}

bool YdOption::CtrlOverride() const { return ctrl_down_ && (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }

void YdOption::SetSelected(bool selected) {
  const bool previous = selected_;
  selected_ = selected;
  if (selected) {
    state_ |= kStateSelected;
  } else {
    state_ &= static_cast<uint8_t>(~kStateSelected);
  }
  if (manager_ != nullptr) {
    if (group_ != 0 && selected && !CtrlOverride()) {
      const std::vector<YdControl*>* members = manager_->GetGroup(group_);
      if (members == nullptr) return;
      // A copy: a member's listener may change the group while it is walked.
      const std::vector<YdControl*> others = *members;
      for (YdControl* other : others) {
        if (other == this) continue;
        if (YdControl* found = other->QueryKind(kKindOption)) static_cast<YdOption*>(found)->SetSelected(false);
      }
    }
    if (selected != previous) manager_->RaiseNotify(this, kNotifySelectChanged, selected ? 1 : 0);
  }
  Invalidate();
}

void YdOption::SetDisabledSelectedImage(const std::wstring& descriptor) {
  disabled_selected_image_ = descriptor;
  Invalidate();
}

bool YdOption::Activate(YdEvent& event) {
  if (!YdButton::Activate(event)) return false;
  const bool next = SelectionAfterClick(selected_, group_ != 0, CtrlOverride(), manual_selected_);
  if (!manual_selected_) SetSelected(next);
  return true;
}

void YdOption::OnLButtonDblClk(YdEvent& event) {
  if (dbclick_) {
    SetNotifyEnabled(kNotifyLButtonDblClick, true);
    YdControl::OnLButtonDblClk(event);
  } else {
    OnLButtonDown(event);
  }
}

void YdOption::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled) state_ = selected_ ? kStateSelected : 0;
  Invalidate();
}

void YdOption::DrawBackgroundImage(HDC dc) {
  state_ &= static_cast<uint8_t>(~kStatePushed);  // an option never looks pushed
  if (selected_ && !bk_image_.selected.empty()) {
    if (DrawImage(dc, bk_image_.selected)) return;
    bk_image_.selected.clear();
  }
  YdButton::DrawBackgroundImage(dc);
}

void YdOption::DrawStateImage(HDC dc) {
  if (!selected_) {
    YdButton::DrawStateImage(dc);
    return;
  }
  if (IsEnabled()) {
    if ((state_ & kStateHot) == 0) {
      YdButton::DrawStateImage(dc);
      return;
    }
    if (!hot_selected_image_.empty() && !DrawImage(dc, hot_selected_image_)) hot_selected_image_.clear();
    return;
  }
  if (!disabled_selected_image_.empty() && !DrawImage(dc, disabled_selected_image_)) {
    disabled_selected_image_.clear();
  }
}

}  // namespace ZEPHYRA_NAMESPACE
