// scrollbar.h -- YdScrollbar, the scroll bar a container owns (or a free
// standing one): range, position and line size, two buttons and a thumb
// with their own hot, pushed and captured states, stepping and paging with
// repeat while held, thumb dragging, and painting by part and state. The
// geometry is LayoutScrollbarParts of scrollbar_logic.h; the range and
// position setters follow SetBarRange / SetBarPosition of scroll_range.h.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/control/control.h"
#include "ui/controls/containers/layout_types.h"
#include "ui/controls/containers/scrollbar_logic.h"

namespace ZEPHYRA_NAMESPACE {

class YdContainer;

// The bar's own 50 ms repeat timer (local id).
constexpr int kScrollbarTimerId = 256;

class YdScrollbar : public YdControl {
 public:
  YdScrollbar();

  bool IsHorizontal() const { return horizontal_; }
  void SetHorizontal(bool horizontal);
  int GetBarRange() const { return range_; }
  void SetBarRange(int range);
  int GetBarPosition() const { return position_; }
  void SetBarPosition(int position);
  int GetLineSize() const { return line_size_; }
  void SetLineSize(int size) { line_size_ = size; }
  // The container's layout decision: shown or hidden, range and position,
  // without notification.
  void SetState(bool shown, int range, int position);
  YdContainer* GetOwner() const { return owner_; }
  void SetOwner(YdContainer* owner) { owner_ = owner; }
  bool IsCaptured() const { return (thumb_state_ & kPartCaptured) != 0; }
  // The bar as the layout functions see it (thickness = fixed width or height).
  YdBarState State() const;
  YdScrollbarParts Parts() const;
  uint8_t Button1State() const { return button1_state_; }
  uint8_t Button2State() const { return button2_state_; }
  uint8_t ThumbState() const { return thumb_state_; }

  int GetKind() const override { return kKindScrollbar; }
  YdControl* QueryKind(int kind) override;
  void SetPosition(const RECT& rc) override;
  void SetEnabled(bool enabled) override;
  void SetFocus() override;
  void OnMouseEnter(YdEvent& event) override;
  void OnMouseLeave(YdEvent& event) override;
  void OnMouseMove(YdEvent& event) override;
  void OnLButtonDown(YdEvent& event) override;
  void OnLButtonDblClk(YdEvent& event) override { OnLButtonDown(event); }
  void OnLButtonUp(YdEvent& event) override;
  void OnTimer(YdEvent& event) override;
  void Paint(HDC dc, const RECT& dirty) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The bar's own keys; its base is the control base's table.
  static const YdAttributeTable& AttributeTable();

  static constexpr uint8_t kPartDisabled = 4;
  static constexpr uint8_t kPartHot = 8;
  static constexpr uint8_t kPartPushed = 0x10;
  static constexpr uint8_t kPartCaptured = 0x40;

 private:
  YdScrollbarInput Input() const;
  void StepBack();
  void StepForward();
  void PageBack();
  void PageForward();
  void MoveTo(int position);
  void PaintPart(HDC dc, const YdRect& part, uint8_t state, std::wstring* images, bool frameOnFailure);

  bool horizontal_ = false;
  int range_ = 100;
  int position_ = 0;
  int line_size_ = 8;
  YdContainer* owner_ = nullptr;
  bool show_button1_ = true;
  bool show_button2_ = true;
  YdRect inset_;
  // normal, hot, pushed, disabled
  std::wstring button1_images_[4];
  std::wstring button2_images_[4];
  std::wstring thumb_images_[4];
  std::wstring rail_images_[4];
  std::wstring bk_images_[4];
  uint8_t button1_state_ = 0;
  uint8_t button2_state_ = 0;
  uint8_t thumb_state_ = 0;
  int ticks_ = 0;
  int drag_offset_ = 0;
  int press_position_ = 0;
  POINT press_point_{};
  POINT last_pointer_{};
  enum class Held { kNone, kButton1, kButton2, kTrackBefore, kTrackAfter } held_ = Held::kNone;
};

}  // namespace ZEPHYRA_NAMESPACE
