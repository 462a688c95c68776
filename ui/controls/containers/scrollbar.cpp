// scrollbar.cpp -- YdScrollbar: values, parts, mouse handling, painting.
#include "ui/controls/containers/scrollbar.h"

#include <cstdio>

#include "common/format.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/containers/scroll_range.h"
#include "ui/manager/event_types.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/bitmap_parts.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

constexpr uint32_t kMissingPartFrame = 0xFF85E4FFu;

enum class ScrollbarAttr : int {
  kButton1Image, kButton2Image, kThumbImage, kRailImage, kBkImage,
  kHor, kLineSize, kRange, kValue, kShowButton1, kShowButton2, kInset,
};

constexpr YdValueSyntax kD = YdValueSyntax::kDescriptor;

// Each image family has a key per state: normal, hot, pushed, disabled.
constexpr YdAttributeEntry kScrollbarEntries[] = {
    AttributeEntry("button1normalimage", ScrollbarAttr::kButton1Image, kD, YdVisualState::kNormal),
    AttributeEntry("button1hotimage", ScrollbarAttr::kButton1Image, kD, YdVisualState::kHot),
    AttributeEntry("button1pushedimage", ScrollbarAttr::kButton1Image, kD, YdVisualState::kPushed),
    AttributeEntry("button1disabledimage", ScrollbarAttr::kButton1Image, kD, YdVisualState::kDisabled),
    AttributeEntry("button2normalimage", ScrollbarAttr::kButton2Image, kD, YdVisualState::kNormal),
    AttributeEntry("button2hotimage", ScrollbarAttr::kButton2Image, kD, YdVisualState::kHot),
    AttributeEntry("button2pushedimage", ScrollbarAttr::kButton2Image, kD, YdVisualState::kPushed),
    AttributeEntry("button2disabledimage", ScrollbarAttr::kButton2Image, kD, YdVisualState::kDisabled),
    AttributeEntry("thumbnormalimage", ScrollbarAttr::kThumbImage, kD, YdVisualState::kNormal),
    AttributeEntry("thumbhotimage", ScrollbarAttr::kThumbImage, kD, YdVisualState::kHot),
    AttributeEntry("thumbpushedimage", ScrollbarAttr::kThumbImage, kD, YdVisualState::kPushed),
    AttributeEntry("thumbdisabledimage", ScrollbarAttr::kThumbImage, kD, YdVisualState::kDisabled),
    AttributeEntry("railnormalimage", ScrollbarAttr::kRailImage, kD, YdVisualState::kNormal),
    AttributeEntry("railhotimage", ScrollbarAttr::kRailImage, kD, YdVisualState::kHot),
    AttributeEntry("railpushedimage", ScrollbarAttr::kRailImage, kD, YdVisualState::kPushed),
    AttributeEntry("raildisabledimage", ScrollbarAttr::kRailImage, kD, YdVisualState::kDisabled),
    AttributeEntry("bknormalimage", ScrollbarAttr::kBkImage, kD, YdVisualState::kNormal),
    AttributeEntry("bkhotimage", ScrollbarAttr::kBkImage, kD, YdVisualState::kHot),
    AttributeEntry("bkpushedimage", ScrollbarAttr::kBkImage, kD, YdVisualState::kPushed),
    AttributeEntry("bkdisabledimage", ScrollbarAttr::kBkImage, kD, YdVisualState::kDisabled),
    AttributeEntry("hor", ScrollbarAttr::kHor, YdValueSyntax::kBool),
    AttributeEntry("linesize", ScrollbarAttr::kLineSize, YdValueSyntax::kLength),
    AttributeEntry("range", ScrollbarAttr::kRange, YdValueSyntax::kInt),
    AttributeEntry("value", ScrollbarAttr::kValue, YdValueSyntax::kInt),
    AttributeEntry("showbutton1", ScrollbarAttr::kShowButton1, YdValueSyntax::kBool),
    AttributeEntry("showbutton2", ScrollbarAttr::kShowButton2, YdValueSyntax::kBool),
    AttributeEntry("inset", ScrollbarAttr::kInset, YdValueSyntax::kLengthRect),
};

// The slot of a state's image in an image family.
int ImageSlot(YdVisualState state) {
  switch (state) {
    case YdVisualState::kHot: return 1;
    case YdVisualState::kPushed: return 2;
    case YdVisualState::kDisabled: return 3;
    default: return 0;
  }
}

bool IsSet(const YdRect& r) { return !r.IsEmpty(); }

// The part's image for its state: disabled, else pushed, else hot, else normal.
int StateSlot(uint8_t state) {
  if ((state & YdScrollbar::kPartDisabled) != 0) return 3;
  if ((state & YdScrollbar::kPartPushed) != 0) return 2;
  if ((state & YdScrollbar::kPartHot) != 0) return 1;
  return 0;
}

}  // namespace

YdScrollbar::YdScrollbar() { fixed_width_ = 16; }

void YdScrollbar::SetHorizontal(bool horizontal) {
  if (horizontal_ == horizontal) return;
  horizontal_ = horizontal;
  if (horizontal_) {
    if (fixed_height_ == 0) fixed_height_ = 16;
    fixed_width_ = 0;
  } else {
    if (fixed_width_ == 0) fixed_width_ = 16;
    fixed_height_ = 0;
  }
  NeedParentUpdate();
}

YdBarState YdScrollbar::State() const {
  YdBarState s;
  s.exists = true;
  s.visible = visible_;
  s.range = range_;
  s.position = position_;
  s.lineSize = line_size_;
  s.thickness = horizontal_ ? fixed_height_ : fixed_width_;
  s.enabled = enabled_;
  return s;
}

void YdScrollbar::SetState(bool shown, int range, int position) {
  visible_ = shown;
  range_ = range < 0 ? 0 : range;
  position_ = position < 0 ? 0 : (position > range_ ? range_ : position);
}

void YdScrollbar::SetBarRange(int range) {
  YdBarState s = State();
  ZEPHYRA_NAMESPACE::SetBarRange(s, range);
  range_ = s.range;
  position_ = s.position;
  Invalidate();
}

void YdScrollbar::SetBarPosition(int position) {
  YdBarState s = State();
  const YdBarNotify n = ZEPHYRA_NAMESPACE::SetBarPosition(s, position);
  if (!n.raised) return;
  position_ = s.position;
  Invalidate();
  if (manager_ != nullptr) manager_->RaiseNotify(this, kNotifyScrollPos, static_cast<WPARAM>(n.wParam), n.lParam);
}

YdScrollbarInput YdScrollbar::Input() const {
  YdScrollbarInput in;
  in.position = pos_;
  in.inset = inset_;
  in.horizontal = horizontal_;
  in.thickness = horizontal_ ? fixed_height_ : fixed_width_;
  in.showButton1 = show_button1_;
  in.showButton2 = show_button2_;
  in.range = range_;
  in.barPosition = position_;
  return in;
}

YdScrollbarParts YdScrollbar::Parts() const { return LayoutScrollbarParts(Input()); }

YdControl* YdScrollbar::QueryKind(int kind) {
  if (kind == kKindScrollbar) return this;
  return YdControl::QueryKind(kind);
}

void YdScrollbar::SetPosition(const RECT& rc) { YdControl::SetPosition(rc); }

void YdScrollbar::SetEnabled(bool enabled) {
  YdControl::SetEnabled(enabled);
  if (!enabled) button1_state_ = button2_state_ = thumb_state_ = 0;
}

void YdScrollbar::SetFocus() {
  if (owner_ != nullptr) {
    owner_->SetFocus();
  } else {
    YdControl::SetFocus();
  }
}

void YdScrollbar::OnMouseEnter(YdEvent& event) {
  if (IsEnabled()) {
    button1_state_ |= kPartHot;
    button2_state_ |= kPartHot;
    if (Parts().thumb.Contains({event.point.x, event.point.y})) thumb_state_ |= kPartHot;
    Invalidate();
  }
  YdControl::OnMouseEnter(event);
}

void YdScrollbar::OnMouseLeave(YdEvent& event) {
  if (IsEnabled()) {
    button1_state_ &= static_cast<uint8_t>(~kPartHot);
    button2_state_ &= static_cast<uint8_t>(~kPartHot);
    thumb_state_ &= static_cast<uint8_t>(~kPartHot);
    Invalidate();
  }
  YdControl::OnMouseLeave(event);
}

void YdScrollbar::OnMouseMove(YdEvent& event) {
  last_pointer_ = event.point;
  if ((thumb_state_ & kPartCaptured) != 0) {
    const int delta = horizontal_ ? event.point.x - press_point_.x : event.point.y - press_point_.y;
    const auto offset = ThumbDragOffset(delta, range_, Input(), Parts());
    if (offset) drag_offset_ = *offset;
    return;
  }
  const bool on = Parts().thumb.Contains({event.point.x, event.point.y});
  const bool was = (thumb_state_ & kPartHot) != 0;
  if (on != was) {
    thumb_state_ = static_cast<uint8_t>(on ? (thumb_state_ | kPartHot) : (thumb_state_ & ~kPartHot));
    Invalidate();
  }
}

void YdScrollbar::MoveTo(int position) {
  if (owner_ != nullptr) {
    const SIZE now = owner_->GetScrollPosition();
    owner_->SetScrollPosition(horizontal_ ? SIZE{position, now.cy} : SIZE{now.cx, position});
  } else {
    SetBarPosition(position);
  }
}

void YdScrollbar::StepBack() {
  if (owner_ == nullptr) {
    SetBarPosition(position_ - line_size_);
  } else if (horizontal_) {
    owner_->LineLeft();
  } else {
    owner_->LineUp();
  }
}

void YdScrollbar::StepForward() {
  if (owner_ == nullptr) {
    SetBarPosition(position_ + line_size_);
  } else if (horizontal_) {
    owner_->LineRight();
  } else {
    owner_->LineDown();
  }
}

void YdScrollbar::PageBack() {
  if (owner_ == nullptr) {
    SetBarPosition(position_ - (horizontal_ ? GetWidth() : GetHeight()));
  } else if (horizontal_) {
    owner_->PageLeft();
  } else {
    owner_->PageUp();
  }
}

void YdScrollbar::PageForward() {
  if (owner_ == nullptr) {
    SetBarPosition(position_ + (horizontal_ ? GetWidth() : GetHeight()));
  } else if (horizontal_) {
    owner_->PageRight();
  } else {
    owner_->PageDown();
  }
}

void YdScrollbar::OnLButtonDown(YdEvent& event) {
  if (IsEnabled()) {
    ticks_ = 0;
    drag_offset_ = 0;
    held_ = Held::kNone;
    last_pointer_ = event.point;
    if (manager_ != nullptr) manager_->StartControlTimer(this, kScrollbarTimerId, 50);
    switch (ScrollbarHitPart(Input(), Parts(), {event.point.x, event.point.y})) {
      case YdScrollbarHit::kButton1:
        button1_state_ |= kPartPushed;
        held_ = Held::kButton1;
        StepBack();
        break;
      case YdScrollbarHit::kButton2:
        button2_state_ |= kPartPushed;
        held_ = Held::kButton2;
        StepForward();
        break;
      case YdScrollbarHit::kThumb:
        thumb_state_ |= kPartCaptured | kPartPushed;
        press_point_ = event.point;
        press_position_ = position_;
        break;
      case YdScrollbarHit::kTrackBefore:
        held_ = Held::kTrackBefore;
        PageBack();
        break;
      case YdScrollbarHit::kTrackAfter:
        held_ = Held::kTrackAfter;
        PageForward();
        break;
      case YdScrollbarHit::kNone: break;
    }
    Invalidate();
  }
  YdControl::OnLButtonDown(event);
}

void YdScrollbar::OnLButtonUp(YdEvent& event) {
  ticks_ = 0;
  drag_offset_ = 0;
  held_ = Held::kNone;
  if (manager_ != nullptr) manager_->StopControlTimer(this, kScrollbarTimerId);
  if ((thumb_state_ & kPartCaptured) != 0) {
    thumb_state_ &= static_cast<uint8_t>(~(kPartCaptured | kPartPushed));
    Invalidate();
  } else if (((button1_state_ | button2_state_) & kPartPushed) != 0) {
    button1_state_ &= static_cast<uint8_t>(~kPartPushed);
    button2_state_ &= static_cast<uint8_t>(~kPartPushed);
    Invalidate();
  }
  YdControl::OnLButtonUp(event);
}

void YdScrollbar::OnTimer(YdEvent& event) {
  if (event.wParam != static_cast<WPARAM>(kScrollbarTimerId)) {
    YdControl::OnTimer(event);
    return;
  }
  ++ticks_;
  if ((thumb_state_ & kPartCaptured) != 0) {
    MoveTo(press_position_ + drag_offset_);
    Invalidate();
    return;
  }
  if (!RepeatsOnTick(ticks_)) return;
  const YdScrollbarParts parts = Parts();
  const int along = horizontal_ ? last_pointer_.x : last_pointer_.y;
  const int thumbStart = horizontal_ ? parts.thumb.left : parts.thumb.top;
  const int thumbEnd = horizontal_ ? parts.thumb.right : parts.thumb.bottom;
  switch (held_) {
    case Held::kButton1: StepBack(); break;
    case Held::kButton2: StepForward(); break;
    case Held::kTrackBefore:
      if (along < thumbStart) PageBack();
      break;
    case Held::kTrackAfter:
      if (along >= thumbEnd) PageForward();
      break;
    case Held::kNone: break;
  }
}

void YdScrollbar::PaintPart(HDC dc, const YdRect& part, uint8_t state, std::wstring* images, bool frameOnFailure) {
  if (!IsSet(part)) return;
  const std::wstring dest = FormatText(L"dest='%d,%d,%d,%d'", part.left - pos_.left, part.top - pos_.top,
                                       part.right - pos_.left, part.bottom - pos_.top);
  bool drawn = false;
  const int slot = StateSlot(state);
  for (int s : {slot, 0}) {
    if (drawn || images[s].empty()) continue;
    drawn = DrawImage(dc, images[s], dest);
    if (!drawn) images[s].clear();
  }
  if (!drawn && frameOnFailure) FrameArgbRect(dc, ToRECT(part), 2, kMissingPartFrame, false);
}

void YdScrollbar::Paint(HDC dc, const RECT& dirty) {
  if (!IsVisible() || dc == nullptr) return;
  YdControl::Paint(dc, dirty);
  const uint8_t disabled = IsEnabled() ? 0 : kPartDisabled;
  button1_state_ = static_cast<uint8_t>((button1_state_ & ~kPartDisabled) | disabled);
  button2_state_ = static_cast<uint8_t>((button2_state_ & ~kPartDisabled) | disabled);
  thumb_state_ = static_cast<uint8_t>((thumb_state_ & ~kPartDisabled) | disabled);
  const YdScrollbarParts parts = Parts();
  PaintPart(dc, pos_, disabled, bk_images_, false);
  PaintPart(dc, parts.button1, button1_state_, button1_images_, true);
  PaintPart(dc, parts.button2, button2_state_, button2_images_, true);
  PaintPart(dc, parts.thumb, thumb_state_, thumb_images_, true);
  if (IsSet(parts.thumb)) {
    const int t = horizontal_ ? fixed_height_ : fixed_width_;
    const int cx = (parts.thumb.left + parts.thumb.right) / 2;
    const int cy = (parts.thumb.top + parts.thumb.bottom) / 2;
    const YdRect grip{cx - t / 2, cy - t / 2, cx - t / 2 + t, cy - t / 2 + t};
    PaintPart(dc, grip, thumb_state_, rail_images_, false);
  }
}

const YdAttributeTable& YdScrollbar::AttributeTable() {
  static const YdAttributeTable table{kScrollbarEntries, sizeof(kScrollbarEntries) / sizeof(kScrollbarEntries[0]),
                                      &ControlAttributeTable()};
  return table;
}

void YdScrollbar::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdControl::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  std::wstring* images = nullptr;
  switch (static_cast<ScrollbarAttr>(entry->id)) {
    case ScrollbarAttr::kButton1Image: images = button1_images_; break;
    case ScrollbarAttr::kButton2Image: images = button2_images_; break;
    case ScrollbarAttr::kThumbImage: images = thumb_images_; break;
    case ScrollbarAttr::kRailImage: images = rail_images_; break;
    case ScrollbarAttr::kBkImage: images = bk_images_; break;
    case ScrollbarAttr::kHor: SetHorizontal(v.flag); break;
    case ScrollbarAttr::kLineSize: SetLineSize(v.number); break;
    case ScrollbarAttr::kRange: SetBarRange(v.number); break;
    case ScrollbarAttr::kValue: SetBarPosition(v.number); break;
    case ScrollbarAttr::kShowButton1: show_button1_ = v.flag; break;
    case ScrollbarAttr::kShowButton2: show_button2_ = v.flag; break;
    case ScrollbarAttr::kInset: inset_ = v.rect; break;
  }
  if (images != nullptr) {
    images[ImageSlot(entry->state)] = value;
    Invalidate();
  }
}

void YdScrollbar::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdControl::RescaleGeometry(from, to);
  if (from == to) return;
  line_size_ = YdDpiScale::Rescale(line_size_, from, to);
  inset_ = YdDpiScale::Rescale(inset_, from, to);
  // A container's bar counts pixels of its content: the same content stays
  // in view. A free bar's range is the program's own unit.
  if (owner_ != nullptr) {
    range_ = YdDpiScale::Rescale(range_, from, to);
    position_ = YdDpiScale::Rescale(position_, from, to);
  }
}

}  // namespace ZEPHYRA_NAMESPACE
