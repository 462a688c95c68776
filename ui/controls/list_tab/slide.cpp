// slide.cpp -- YdSlide: own keys, the thumb's mouse handling (hot, pressed,
// drag with the grab offset kept) and the track, left-track and thumb
// painting.
#include "ui/controls/list_tab/slide.h"

#include <cstdio>

#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class SlideAttr : int {
  kThumbNormal, kThumbHot, kThumbPushed, kThumbDisabled, kBkNormal, kBkHot, kBkPushed, kBkDisabled,
  kHor, kValue, kThumbSize, kInset, kLeftNormal, kLeftHot, kLeftPushed, kLeftDisabled,
};

constexpr YdValueSyntax kD = YdValueSyntax::kDescriptor;
constexpr YdAttributeEntry kSlideEntries[] = {
    {"thumbnormalimage", static_cast<int>(SlideAttr::kThumbNormal), kD, YdVisualState::kNormal},
    {"thumbhotimage", static_cast<int>(SlideAttr::kThumbHot), kD, YdVisualState::kHot},
    {"thumbpushedimage", static_cast<int>(SlideAttr::kThumbPushed), kD, YdVisualState::kPushed},
    {"thumbdisabledimage", static_cast<int>(SlideAttr::kThumbDisabled), kD, YdVisualState::kDisabled},
    {"bknormalimage", static_cast<int>(SlideAttr::kBkNormal), kD, YdVisualState::kNormal},
    {"bkhotimage", static_cast<int>(SlideAttr::kBkHot), kD, YdVisualState::kHot},
    {"bkpushedimage", static_cast<int>(SlideAttr::kBkPushed), kD, YdVisualState::kPushed},
    {"bkdisabledimage", static_cast<int>(SlideAttr::kBkDisabled), kD, YdVisualState::kDisabled},
    {"hor", static_cast<int>(SlideAttr::kHor), YdValueSyntax::kBool, YdVisualState::kNormal},
    {"value", static_cast<int>(SlideAttr::kValue), YdValueSyntax::kInt, YdVisualState::kNormal},
    {"thumbsize", static_cast<int>(SlideAttr::kThumbSize), YdValueSyntax::kLengthPair, YdVisualState::kNormal},
    {"inset", static_cast<int>(SlideAttr::kInset), YdValueSyntax::kLengthRect, YdVisualState::kNormal},
    {"leftbknormalimage", static_cast<int>(SlideAttr::kLeftNormal), kD, YdVisualState::kNormal},
    {"leftbkhotimage", static_cast<int>(SlideAttr::kLeftHot), kD, YdVisualState::kHot},
    {"leftbkpushedimage", static_cast<int>(SlideAttr::kLeftPushed), kD, YdVisualState::kPushed},
    {"leftbkdisabledimage", static_cast<int>(SlideAttr::kLeftDisabled), kD, YdVisualState::kDisabled},
};

std::wstring Dest(const RECT& r) {
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"dest='%ld,%ld,%ld,%ld'", static_cast<long>(r.left), static_cast<long>(r.top),
                static_cast<long>(r.right), static_cast<long>(r.bottom));
  return buffer;
}

bool Inside(const RECT& r, POINT pt) { return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom; }

}  // namespace

const YdAttributeTable& YdSlide::AttributeTable() {
  static const YdAttributeTable table{kSlideEntries, sizeof(kSlideEntries) / sizeof(kSlideEntries[0]),
                                      &ControlAttributeTable()};
  return table;
}

YdControl* YdSlide::QueryKind(int kind) {
  if (kind == kKindSlide) return this;
  return YdControl::QueryKind(kind);
}

void YdSlide::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdControl::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  const std::wstring text(AsWide(v.text));
  switch (static_cast<SlideAttr>(entry->id)) {
    case SlideAttr::kThumbNormal: case SlideAttr::kThumbHot: case SlideAttr::kThumbPushed:
    case SlideAttr::kThumbDisabled: thumb_image_.Get(entry->state) = text; break;
    case SlideAttr::kBkNormal: case SlideAttr::kBkHot: case SlideAttr::kBkPushed:
    case SlideAttr::kBkDisabled: track_image_.Get(entry->state) = text; break;
    case SlideAttr::kLeftNormal: case SlideAttr::kLeftHot: case SlideAttr::kLeftPushed:
    case SlideAttr::kLeftDisabled: left_image_.Get(entry->state) = text; break;
    case SlideAttr::kHor: horizontal_ = v.flag; break;
    case SlideAttr::kValue: SetValue(v.number); break;
    case SlideAttr::kThumbSize: thumb_size_ = {v.pair.x, v.pair.y}; break;
    case SlideAttr::kInset: track_inset_ = v.rect; break;
  }
  Invalidate();
}

YdSlideGeometry YdSlide::Geometry() const {
  YdSlideGeometry g;
  g.track = {pos_.left + track_inset_.left, pos_.top + track_inset_.top, pos_.right - track_inset_.right,
             pos_.bottom - track_inset_.bottom};
  g.thumb = thumb_size_;
  g.horizontal = horizontal_;
  g.minimum = minimum_;
  g.maximum = maximum_;
  return g;
}

RECT YdSlide::GetThumbRect() const { return SlideThumbRect(Geometry(), value_); }

void YdSlide::SetValue(int value) {
  const int clamped = ClampSlideValue(Geometry(), value);
  if (clamped == value_) return;
  value_ = clamped;
  Invalidate();
  if (manager_ != nullptr) manager_->RaiseNotify(this, kNotifyScrollPos, static_cast<WPARAM>(value_));
}

void YdSlide::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum < minimum ? minimum : maximum;
  SetValue(value_);
  Invalidate();
}

void YdSlide::OnLButtonDown(YdEvent& event) {
  if (IsEnabled()) {
    const RECT thumb = GetThumbRect();
    if (Inside(thumb, event.point)) {
      // Keep the grab offset so the thumb does not jump under the pointer.
      grab_offset_ = {event.point.x - (thumb.left + thumb.right) / 2, event.point.y - (thumb.top + thumb.bottom) / 2};
    } else {
      grab_offset_ = {0, 0};
      SetValue(SlideValueAtPoint(Geometry(), event.point));
    }
    dragging_ = true;
    Invalidate();
  }
  YdControl::OnLButtonDown(event);
}

void YdSlide::OnMouseMove(YdEvent& event) {
  if (IsEnabled()) {
    if (dragging_) {
      SetValue(SlideValueAtPoint(Geometry(), {event.point.x - grab_offset_.x, event.point.y - grab_offset_.y}));
    } else {
      const bool hot = Inside(GetThumbRect(), event.point);
      if (hot != thumb_hot_) {
        thumb_hot_ = hot;
        Invalidate();
      }
    }
  }
  YdControl::OnMouseMove(event);
}

void YdSlide::OnLButtonUp(YdEvent& event) {
  if (dragging_) {
    dragging_ = false;
    thumb_hot_ = Inside(GetThumbRect(), event.point);
    Invalidate();
  }
  YdControl::OnLButtonUp(event);
}

void YdSlide::OnMouseLeave(YdEvent& event) {
  if (thumb_hot_ && !dragging_) {
    thumb_hot_ = false;
    Invalidate();
  }
  YdControl::OnMouseLeave(event);
}

void YdSlide::OnKeyDown(YdEvent& event) {
  if (IsEnabled()) {
    switch (event.key) {
      case VK_LEFT: case VK_DOWN: SetValue(value_ - 1); return;
      case VK_RIGHT: case VK_UP: SetValue(value_ + 1); return;
      case VK_HOME: SetValue(minimum_); return;
      case VK_END: SetValue(maximum_); return;
      default: break;
    }
  }
  YdControl::OnKeyDown(event);
}

YdVisualState YdSlide::ControlState() const {
  if (!IsEnabled()) return YdVisualState::kDisabled;
  if (dragging_) return YdVisualState::kPushed;
  if ((state_ & kStateHot) != 0) return YdVisualState::kHot;
  return YdVisualState::kNormal;
}

std::wstring YdSlide::StateImage(const YdStateValues<std::wstring>& images, YdVisualState state) {
  const std::wstring& own = images.Get(state);
  return own.empty() ? images.normal : own;
}

void YdSlide::DrawBackgroundImage(HDC dc) {
  YdControl::DrawBackgroundImage(dc);
  const std::wstring track = StateImage(track_image_, ControlState());
  if (!track.empty()) DrawImage(dc, track);
}

void YdSlide::DrawStateImage(HDC dc) {
  YdControl::DrawStateImage(dc);
  const RECT thumb = GetThumbRect();
  const YdSlideGeometry g = Geometry();
  // The part of the track before the thumb's centre, relative to the position.
  RECT left{};
  if (horizontal_) {
    left = {g.track.left, g.track.top, (thumb.left + thumb.right) / 2, g.track.bottom};
  } else {
    left = {g.track.left, (thumb.top + thumb.bottom) / 2, g.track.right, g.track.bottom};
  }
  const std::wstring leftImage = StateImage(left_image_, ControlState());
  if (!leftImage.empty() && left.right > left.left && left.bottom > left.top) {
    DrawImage(dc, leftImage, Dest({left.left - pos_.left, left.top - pos_.top, left.right - pos_.left,
                                   left.bottom - pos_.top}));
  }
  YdVisualState thumbState = ControlState();
  if (thumbState == YdVisualState::kHot && !thumb_hot_) thumbState = YdVisualState::kNormal;
  if (thumbState == YdVisualState::kNormal && thumb_hot_) thumbState = YdVisualState::kHot;
  const std::wstring thumbImage = StateImage(thumb_image_, thumbState);
  if (!thumbImage.empty()) {
    DrawImage(dc, thumbImage, Dest({thumb.left - pos_.left, thumb.top - pos_.top, thumb.right - pos_.left,
                                    thumb.bottom - pos_.top}));
  }
}

void YdSlide::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdControl::RescaleGeometry(from, to);
  if (from == to) return;
  thumb_size_.cx = YdDpiScale::Rescale(thumb_size_.cx, from, to);
  thumb_size_.cy = YdDpiScale::Rescale(thumb_size_.cy, from, to);
  track_inset_ = YdDpiScale::Rescale(track_inset_, from, to);
}

}  // namespace ZEPHYRA_NAMESPACE
