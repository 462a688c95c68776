// pic_extend_parts.cpp -- the floating part and buttons of a picture extend
// control.
#include "ui/controls/edit_picture/pic_extend_parts.h"

#include <string>

#include "common/format.h"
#include "ui/controls/edit_picture/pic_extend_ctrl.h"

namespace ZEPHYRA_NAMESPACE {

bool YdPicControlFloatCtrl::Activate(YdEvent& event) {
  if (owner_ != nullptr) return owner_->Activate(event);
  return YdContainer::Activate(event);
}

void YdPicControlFloatCtrl::OnMouseEnter(YdEvent& event) {
  YdContainer::OnMouseEnter(event);
  if (owner_ != nullptr) owner_->OnPartEnter();
}

void YdPicControlFloatCtrl::OnMouseLeave(YdEvent& event) {
  YdContainer::OnMouseLeave(event);
  if (owner_ != nullptr) owner_->OnPartLeave();
}

void YdPicControlFloatCtrl::SetAlpha(int alpha) {
  alpha = alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
  if (alpha == alpha_) return;
  alpha_ = alpha;
  Invalidate();
}

void YdPicControlFloatCtrl::DrawStateImage(HDC dc) {
  if (alpha_ >= 255) {
    YdContainer::DrawStateImage(dc);
    return;
  }
  if (alpha_ <= 0) return;
  const std::wstring fade = L"fade='" + WideDecimal(alpha_) + L"'";
  for (YdVisualState s : StateCandidates(GetStateBits(), YdStateFamily::kStatusImage)) {
    const std::wstring& descriptor = StatusImages().Get(s);
    if (!descriptor.empty() && DrawImage(dc, descriptor, fade)) return;
  }
}

void YdPicButton::OnMouseEnter(YdEvent& event) {
  YdControl::OnMouseEnter(event);
  if (owner_ != nullptr) owner_->OnPartEnter();
}

void YdPicButton::OnMouseLeave(YdEvent& event) {
  YdControl::OnMouseLeave(event);
  if (owner_ != nullptr) owner_->OnPartLeave();
}

}  // namespace ZEPHYRA_NAMESPACE
