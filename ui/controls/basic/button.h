// button.h -- YdButton (element "Button"): a label with the hand cursor and
// hot tracking, an optional split part on its right with images of its own,
// and an extra "extend text" in its own font and colour.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/basic/label.h"

namespace ZEPHYRA_NAMESPACE {

class YdButton : public YdLabel {
 public:
  YdButton() = default;

  int GetKind() const override { return kKindButton; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;

  void OnSetCursor(YdEvent& event) override;
  void OnMouseEnter(YdEvent& event) override;
  void OnMouseLeave(YdEvent& event) override;
  void OnMouseMove(YdEvent& event) override;
  void OnLButtonDown(YdEvent& event) override;
  void OnLButtonUp(YdEvent& event) override;
  void OnLButtonDblClk(YdEvent& event) override;
  void SetPosition(const RECT& rc) override;
  void Paint(HDC dc, const RECT& dirty) override;

  bool IsSplit() const { return split_; }
  void SetSplit(bool on) { split_ = on; }
  RECT GetSplitArea() const { return ToRECT(split_area_); }
  void SetSplitArea(const RECT& rc) { split_area_ = FromRECT(rc); }
  // The split part in window coordinates (empty while split is off or the
  // button was not placed since it was switched on).
  RECT GetSplitPart() const { return ToRECT(split_part_); }
  uint8_t GetSplitState() const { return split_state_; }
  const std::wstring& GetSplitImage(YdSplitImage which) const;
  void SetSplitImage(YdSplitImage which, const std::wstring& descriptor);
  const std::wstring& GetExtendText() const { return extend_text_; }
  void SetExtendText(const std::wstring& text) { extend_text_ = text; }
  void SetExtendTextFont(const std::wstring& font) { extend_font_ = font; }
  void SetExtendTextColor(uint32_t colour) { extend_colour_ = colour; }
  void SetExtendTextPos(const RECT& rc) { extend_pos_ = FromRECT(rc); }
  // Where the extend text goes for the current state (1 pixel right and
  // down while pushed).
  RECT ExtendTextArea() const;

  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  static const YdAttributeTable& AttributeTable();

 private:
  bool InSplitPart(const POINT& pt) const { return split_part_.Contains({pt.x, pt.y}); }
  std::wstring& SplitImageRef(YdSplitImage which);
  void DrawExtendText(HDC dc);
  void DrawSplitImages(HDC dc);

  bool split_ = false;
  YdRect split_area_;
  YdRect split_part_;
  uint8_t split_state_ = 0;
  std::wstring split_normal_, split_hot_, split_pushed_, split_disabled_;
  std::wstring extend_text_;
  std::wstring extend_font_;
  uint32_t extend_colour_ = 0;
  YdRect extend_pos_;
};

}  // namespace ZEPHYRA_NAMESPACE
