// slide.h -- YdSlide (element "Slide"): a slider. A thumb travels along a
// track (horizontal unless "hor" is false); pressing the track moves the
// thumb under the pointer, dragging it follows the pointer, and every change
// of the value raises notification 32 with the new value in wParam. The
// track is drawn with the "bk" images of the slider's state, the part before
// the thumb with the "leftbk" images, then the thumb with the "thumb" image
// of its own state (hot while the pointer is over it, pushed while dragged).
// With the focus, the arrow keys step the value and Home and End jump.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/control/control.h"
#include "ui/controls/list_tab/slide_logic.h"

namespace ZEPHYRA_NAMESPACE {

class YdSlide : public YdControl {
 public:
  YdSlide() = default;

  int GetKind() const override { return kKindSlide; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The slider's own keys; its base is the control base's table.
  static const YdAttributeTable& AttributeTable();
  void OnLButtonDown(YdEvent& event) override;
  void OnLButtonUp(YdEvent& event) override;
  void OnMouseMove(YdEvent& event) override;
  void OnMouseLeave(YdEvent& event) override;
  // Left/Down step the value by one towards the minimum, Right/Up towards
  // the maximum, Home and End jump to the ends.
  void OnKeyDown(YdEvent& event) override;
  void DrawBackgroundImage(HDC dc) override;
  void DrawStateImage(HDC dc) override;

  int GetValue() const { return value_; }
  // Clamps into the range; a change repaints and raises notification 32.
  void SetValue(int value);
  int GetMinValue() const { return minimum_; }
  int GetMaxValue() const { return maximum_; }
  void SetRange(int minimum, int maximum);
  bool IsHorizontal() const { return horizontal_; }
  SIZE GetThumbSize() const { return thumb_size_; }
  RECT GetTrackInset() const { return ToRECT(track_inset_); }
  bool IsThumbHot() const { return thumb_hot_; }
  bool IsDragging() const { return dragging_; }
  // The thumb in window coordinates.
  RECT GetThumbRect() const;
  // The geometry of the current position, inset, thumb size and range.
  YdSlideGeometry Geometry() const;
  const YdStateValues<std::wstring>& ThumbImages() const { return thumb_image_; }
  const YdStateValues<std::wstring>& TrackImages() const { return track_image_; }
  const YdStateValues<std::wstring>& LeftTrackImages() const { return left_image_; }

 private:
  static std::wstring StateImage(const YdStateValues<std::wstring>& images, YdVisualState state);
  YdVisualState ControlState() const;

  int value_ = 0;
  int minimum_ = 0;
  int maximum_ = 100;
  bool horizontal_ = true;
  SIZE thumb_size_{10, 10};
  YdRect track_inset_;
  bool thumb_hot_ = false;
  bool dragging_ = false;
  POINT grab_offset_{0, 0};
  YdStateValues<std::wstring> thumb_image_;
  YdStateValues<std::wstring> track_image_;
  YdStateValues<std::wstring> left_image_;
};

}  // namespace ZEPHYRA_NAMESPACE
