// pic_extend_ctrl.cpp -- YdPicExtendCtrl: styles, timers and the placement
// of the floating part.
#include "ui/controls/edit_picture/pic_extend_ctrl.h"

#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// The timing keys come in threes per style (normal, move, transparent), in
// that order, so a timing key's id / 3 is its style's index.
enum class PicExtendAttr : int {
  kNormalUseTimer, kNormalIntervalTime, kNormalLeaveTime,
  kMoveUseTimer, kMoveIntervalTime, kMoveLeaveTime,
  kTransparentUseTimer, kTransparentIntervalTime, kTransparentLeaveTime,
  kPicStyle, kFloatNormalImage, kFloatHotImage,
};

constexpr YdAttributeEntry kPicExtendEntries[] = {
    AttributeEntry("normal_usetimer", PicExtendAttr::kNormalUseTimer, YdValueSyntax::kBool),
    AttributeEntry("normal_intervaltime", PicExtendAttr::kNormalIntervalTime, YdValueSyntax::kInt),
    AttributeEntry("normal_leavetime", PicExtendAttr::kNormalLeaveTime, YdValueSyntax::kInt),
    AttributeEntry("move_usetimer", PicExtendAttr::kMoveUseTimer, YdValueSyntax::kBool),
    AttributeEntry("move_intervaltime", PicExtendAttr::kMoveIntervalTime, YdValueSyntax::kInt),
    AttributeEntry("move_leavetime", PicExtendAttr::kMoveLeaveTime, YdValueSyntax::kInt),
    AttributeEntry("transparent_usetimer", PicExtendAttr::kTransparentUseTimer, YdValueSyntax::kBool),
    AttributeEntry("transparent_intervaltime", PicExtendAttr::kTransparentIntervalTime, YdValueSyntax::kInt),
    AttributeEntry("transparent_leavetime", PicExtendAttr::kTransparentLeaveTime, YdValueSyntax::kInt),
    // "normal", "move" or "transparent"; any other word is "normal".
    AttributeEntry("picstyle", PicExtendAttr::kPicStyle, YdValueSyntax::kString),
    AttributeEntry("floatControlnormalimage", PicExtendAttr::kFloatNormalImage, YdValueSyntax::kDescriptor),
    AttributeEntry("floatControlhotimage", PicExtendAttr::kFloatHotImage, YdValueSyntax::kDescriptor),
};

}  // namespace

YdPicExtendCtrl::YdPicExtendCtrl() {
  float_ctrl_ = new YdPicControlFloatCtrl(this);
  float_ctrl_->SetFloat(true);
  float_ctrl_->SetVisible(false);
  AddChild(float_ctrl_);
}

YdControl* YdPicExtendCtrl::QueryKind(int kind) {
  if (kind == kKindPicExtendCtrl) return this;
  return YdContainer::QueryKind(kind);
}

const YdAttributeTable& YdPicExtendCtrl::AttributeTable() {
  static const YdAttributeTable table{kPicExtendEntries, sizeof(kPicExtendEntries) / sizeof(kPicExtendEntries[0]),
                                      &YdContainer::AttributeTable()};
  return table;
}

void YdPicExtendCtrl::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  const int style = entry->id / 3;
  switch (static_cast<PicExtendAttr>(entry->id)) {
    case PicExtendAttr::kNormalUseTimer:
    case PicExtendAttr::kMoveUseTimer:
    case PicExtendAttr::kTransparentUseTimer: timing_[style].useTimer = v.flag; break;
    case PicExtendAttr::kNormalIntervalTime:
    case PicExtendAttr::kMoveIntervalTime:
    case PicExtendAttr::kTransparentIntervalTime: timing_[style].intervalMs = v.number > 0 ? v.number : 0; break;
    case PicExtendAttr::kNormalLeaveTime:
    case PicExtendAttr::kMoveLeaveTime:
    case PicExtendAttr::kTransparentLeaveTime: timing_[style].leaveMs = v.number > 0 ? v.number : 0; break;
    case PicExtendAttr::kPicStyle:
      style_ = value == L"move" ? YdPicStyle::kMove
                                : (value == L"transparent" ? YdPicStyle::kTransparent : YdPicStyle::kNormal);
      break;
    case PicExtendAttr::kFloatNormalImage: float_ctrl_->SetNormalImage(value); break;
    case PicExtendAttr::kFloatHotImage: float_ctrl_->ApplyAttribute(L"hotimage", value); break;
  }
}

RECT YdPicExtendCtrl::FloatRestRect() const {
  const RECT rc = GetPosition();
  const int height = (rc.bottom - rc.top) / 3;
  return {rc.left, rc.bottom - height, rc.right, rc.bottom};
}

void YdPicExtendCtrl::SetPosition(const RECT& rc) {
  YdContainer::SetPosition(rc);
  ApplyStep();
}

void YdPicExtendCtrl::ApplyStep() {
  RECT r = FloatRestRect();
  if (style_ == YdPicStyle::kMove) {
    const int shift = (r.bottom - r.top) * (kSteps - step_) / kSteps;
    r.top += shift;
    r.bottom += shift;
  }
  float_ctrl_->SetPosition(r);
  float_ctrl_->SetAlpha(style_ == YdPicStyle::kTransparent ? 255 * step_ / kSteps : 255);
  Invalidate();
}

YdPicButton* YdPicExtendCtrl::AddPictureButton(bool onFloatPart) {
  YdPicButton* button = onFloatPart ? new YdPicControlButton(this) : new YdPicButton(this);
  if (onFloatPart) {
    float_ctrl_->AddChild(button);
  } else {
    button->SetFloat(true);
    AddChild(button);
  }
  return button;
}

bool YdPicExtendCtrl::PointerInside() const {
  if (manager_ == nullptr) return false;
  const POINT pt = manager_->GetLastMousePos();
  const RECT rc = GetPosition();
  return ::PtInRect(&rc, pt) != FALSE;
}

void YdPicExtendCtrl::BeginShow() {
  if (manager_ != nullptr) manager_->StopControlTimer(this, kLeaveTimer);
  if (float_ctrl_->IsVisible() && step_ == kSteps) return;
  const YdPicStyleTiming& t = Timing(style_);
  if (style_ == YdPicStyle::kNormal && t.useTimer && t.intervalMs > 0 && manager_ != nullptr &&
      manager_->StartControlTimer(this, kShowTimer, static_cast<UINT>(t.intervalMs))) {
    return;
  }
  ShowNow();
}

void YdPicExtendCtrl::ShowNow() {
  if (manager_ != nullptr) manager_->StopControlTimer(this, kShowTimer);
  const YdPicStyleTiming& t = Timing(style_);
  const bool animate = style_ != YdPicStyle::kNormal && t.useTimer && manager_ != nullptr &&
                       manager_->StartControlTimer(this, kStepTimer, static_cast<UINT>(t.intervalMs > 0 ? t.intervalMs : 30));
  if (!float_ctrl_->IsVisible()) step_ = animate ? 0 : kSteps;
  if (!animate) step_ = kSteps;
  float_ctrl_->SetVisible(true);
  ApplyStep();
}

void YdPicExtendCtrl::BeginHide() {
  if (manager_ != nullptr) {
    manager_->StopControlTimer(this, kShowTimer);
    manager_->StopControlTimer(this, kStepTimer);
  }
  const YdPicStyleTiming& t = Timing(style_);
  if (t.useTimer && t.leaveMs > 0 && manager_ != nullptr &&
      manager_->StartControlTimer(this, kLeaveTimer, static_cast<UINT>(t.leaveMs))) {
    return;
  }
  HideNow();
}

void YdPicExtendCtrl::HideNow() {
  if (manager_ != nullptr) manager_->StopControlTimer(this, kLeaveTimer);
  float_ctrl_->SetVisible(false);
  step_ = kSteps;
  ApplyStep();
}

void YdPicExtendCtrl::OnMouseEnter(YdEvent& event) {
  YdContainer::OnMouseEnter(event);
  OnPartEnter();
}

void YdPicExtendCtrl::OnMouseLeave(YdEvent& event) {
  YdContainer::OnMouseLeave(event);
  OnPartLeave();
}

void YdPicExtendCtrl::OnPartEnter() {
  pointer_in_ = true;
  if (IsEnabled()) BeginShow();
}

void YdPicExtendCtrl::OnPartLeave() {
  // Moving onto the floating part or a button is not leaving.
  if (PointerInside()) return;
  if (!pointer_in_) return;
  pointer_in_ = false;
  BeginHide();
}

void YdPicExtendCtrl::OnTimer(YdEvent& event) {
  if (event.sender == nullptr && manager_ != nullptr) {
    switch (static_cast<int>(event.wParam)) {
      case kShowTimer:
        ShowNow();
        return;
      case kLeaveTimer:
        HideNow();
        return;
      case kStepTimer:
        if (step_ < kSteps) ++step_;
        if (step_ >= kSteps) manager_->StopControlTimer(this, kStepTimer);
        ApplyStep();
        return;
      default:
        break;
    }
  }
  YdContainer::OnTimer(event);
}

}  // namespace ZEPHYRA_NAMESPACE
