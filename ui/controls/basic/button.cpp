// button.cpp -- YdButton: the hand cursor, split-part tracking, the extend
// text and the split images.
#include "ui/controls/basic/button.h"

#include "ui/values/attribute_values.h"
#include "ui/render/image_painter.h"
#include "ui/manager/paint_manager.h"
#include "ui/text/text_render.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ButtonAttr : int {
  kSplitNormalImage, kSplitHotImage, kSplitPushedImage, kSplitDisabledImage, kSplit, kSplitArea,
  kExtendTextColour, kExtendTextFont, kExtendText, kExtendTextPos,
};

constexpr YdAttributeEntry kButtonEntries[] = {
    {"splitnormalimage", static_cast<int>(ButtonAttr::kSplitNormalImage), YdValueSyntax::kDescriptor, YdVisualState::kNormal},
    {"splithotimage", static_cast<int>(ButtonAttr::kSplitHotImage), YdValueSyntax::kDescriptor, YdVisualState::kNormal},
    {"splitpushedimage", static_cast<int>(ButtonAttr::kSplitPushedImage), YdValueSyntax::kDescriptor, YdVisualState::kNormal},
    {"splitdisabledimage", static_cast<int>(ButtonAttr::kSplitDisabledImage), YdValueSyntax::kDescriptor, YdVisualState::kNormal},
    {"split", static_cast<int>(ButtonAttr::kSplit), YdValueSyntax::kBool, YdVisualState::kNormal},
    {"splitarea", static_cast<int>(ButtonAttr::kSplitArea), YdValueSyntax::kLengthRect, YdVisualState::kNormal},
    {"extendtextcolor", static_cast<int>(ButtonAttr::kExtendTextColour), YdValueSyntax::kColour, YdVisualState::kNormal},
    {"extendtextfont", static_cast<int>(ButtonAttr::kExtendTextFont), YdValueSyntax::kString, YdVisualState::kNormal},
    {"extendtext", static_cast<int>(ButtonAttr::kExtendText), YdValueSyntax::kString, YdVisualState::kNormal},
    {"extendtextpos", static_cast<int>(ButtonAttr::kExtendTextPos), YdValueSyntax::kLengthRect, YdVisualState::kNormal},
};

}  // namespace

const YdAttributeTable& YdButton::AttributeTable() {
  static const YdAttributeTable table{kButtonEntries, sizeof(kButtonEntries) / sizeof(kButtonEntries[0]),
                                      &YdLabel::AttributeTable()};
  return table;
}

YdControl* YdButton::QueryKind(int kind) {
  if (kind == kKindButton) return this;
  return YdLabel::QueryKind(kind);
}

std::wstring& YdButton::SplitImageRef(YdSplitImage which) {
  switch (which) {
    case YdSplitImage::kHot: return split_hot_;
    case YdSplitImage::kPushed: return split_pushed_;
    case YdSplitImage::kDisabled: return split_disabled_;
    default: return split_normal_;
  }
}

const std::wstring& YdButton::GetSplitImage(YdSplitImage which) const {
  return const_cast<YdButton*>(this)->SplitImageRef(which);
}

void YdButton::SetSplitImage(YdSplitImage which, const std::wstring& descriptor) {
  SplitImageRef(which) = descriptor;
  Invalidate();
}

void YdButton::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdLabel::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<ButtonAttr>(entry->id)) {
    case ButtonAttr::kSplitNormalImage: SetSplitImage(YdSplitImage::kNormal, ToWide(v.text)); break;
    case ButtonAttr::kSplitHotImage: SetSplitImage(YdSplitImage::kHot, ToWide(v.text)); break;
    case ButtonAttr::kSplitPushedImage: SetSplitImage(YdSplitImage::kPushed, ToWide(v.text)); break;
    case ButtonAttr::kSplitDisabledImage: SetSplitImage(YdSplitImage::kDisabled, ToWide(v.text)); break;
    case ButtonAttr::kSplit: split_ = v.flag; break;
    case ButtonAttr::kSplitArea: split_area_ = v.rect; break;
    case ButtonAttr::kExtendTextColour: extend_colour_ = v.colour; break;
    case ButtonAttr::kExtendTextFont: extend_font_ = ToWide(v.text); break;
    case ButtonAttr::kExtendText: extend_text_ = ToWide(v.text); break;
    case ButtonAttr::kExtendTextPos: extend_pos_ = v.rect; break;
  }
}

void YdButton::OnSetCursor(YdEvent&) { ::SetCursor(::LoadCursorW(nullptr, IDC_HAND)); }

void YdButton::OnMouseEnter(YdEvent& event) {
  if (IsEnabled()) {
    if (InSplitPart(event.point)) split_state_ |= kSplitHot;
    Invalidate();
  }
  YdLabel::OnMouseEnter(event);
}

void YdButton::OnMouseLeave(YdEvent& event) {
  if (IsEnabled()) {
    split_state_ &= static_cast<uint8_t>(~kSplitHot);
    Invalidate();
  }
  YdLabel::OnMouseLeave(event);
}

// Replaces the base handler: a pressed button keeps its pushed look while
// the pointer wanders off (releasing outside still gives no click).
void YdButton::OnMouseMove(YdEvent& event) {
  if ((split_state_ & kSplitHot) != 0) {
    if (!InSplitPart(event.point)) {
      split_state_ &= static_cast<uint8_t>(~kSplitHot);
      Invalidate();
    }
  } else if (IsEnabled() && InSplitPart(event.point)) {
    split_state_ |= kSplitHot;
    Invalidate();
  }
}

void YdButton::OnLButtonDown(YdEvent& event) {
  YdLabel::OnLButtonDown(event);
  if (IsEnabled() && InSplitPart(event.point)) {
    split_state_ |= kSplitCaptured | kSplitPushed;
    state_ &= static_cast<uint8_t>(~kStatePushed);
    Invalidate();
  }
}

void YdButton::OnLButtonUp(YdEvent& event) {
  if ((split_state_ & kSplitCaptured) != 0) {
    split_state_ &= static_cast<uint8_t>(~(kSplitCaptured | kSplitPushed));
    Invalidate();
  }
  YdLabel::OnLButtonUp(event);
}

void YdButton::OnLButtonDblClk(YdEvent& event) { OnLButtonDown(event); }

void YdButton::SetPosition(const RECT& rc) {
  YdLabel::SetPosition(rc);
  if (split_) split_part_ = SplitPartRect(pos_, split_area_);
}

RECT YdButton::ExtendTextArea() const {
  YdRect r = ExtendTextRect(pos_, text_padding_.normal, extend_pos_);
  if ((state_ & kStatePushed) != 0) r = {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
  return ToRECT(r);
}

void YdButton::Paint(HDC dc, const RECT& dirty) {
  YdLabel::Paint(dc, dirty);
  if (dc == nullptr || !IsVisible() || paint_rect_.IsEmpty()) return;
  DrawExtendText(dc);
  DrawSplitImages(dc);
}

void YdButton::DrawExtendText(HDC dc) {
  if (extend_text_.empty()) return;
  DrawPlainText(extend_text_, extend_font_, dc, manager_, ExtendTextArea(), extend_colour_, text_style_.format,
                row_height_, AlphaText());
}

void YdButton::DrawSplitImages(HDC dc) {
  if (!split_ || split_area_.IsZero()) return;
  if (IsEnabled()) {
    split_state_ &= static_cast<uint8_t>(~kSplitDisabled);
  } else {
    split_state_ |= kSplitDisabled;
  }
  for (YdSplitImage which : SplitImageOrder(split_state_, IsEnabled())) {
    std::wstring& descriptor = SplitImageRef(which);
    if (descriptor.empty()) continue;
    if (PaintImageDescriptor(dc, ToRECT(paint_rect_), ToRECT(split_part_), descriptor, {}, DpiScale())) return;
    descriptor.clear();  // a broken split image is not tried again
  }
}

void YdButton::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdLabel::RescaleGeometry(from, to);
  if (from == to) return;
  split_area_ = YdDpiScale::Rescale(split_area_, from, to);
  extend_pos_ = YdDpiScale::Rescale(extend_pos_, from, to);
}

}  // namespace ZEPHYRA_NAMESPACE
