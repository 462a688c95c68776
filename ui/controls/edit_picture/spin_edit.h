// spin_edit.h -- YdSpinEdit (element "SpinEdit"): a rich edit that holds a
// number, with up and down arrow images at its right edge. A click on an
// arrow, or the Up and Down keys, steps the number by the increment within
// the limits; leaving the field puts a typed number back within them. Each
// change of the number raises kNotifyScrollPos with the number as wParam.
#pragma once

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/edit_picture/edit_picture_logic.h"
#include "ui/controls/rich_edit/rich_edit.h"

namespace ZEPHYRA_NAMESPACE {

class YdSpinEdit : public YdRichEdit {
 public:
  YdSpinEdit();

  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The spin edit's own keys; its base is the rich edit's table.
  static const YdAttributeTable& AttributeTable();
  // The arrows go over the text services' drawing.
  void Paint(HDC dc, const RECT& dirty) override;
  void OnKillFocus(YdEvent& event) override;
  HRESULT SendTextMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  LRESULT FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

  int GetNumber() const { return number_; }
  void SetNumber(int number);
  int GetMinNumber() const { return min_; }
  int GetMaxNumber() const { return max_; }
  int GetIncrement() const { return inc_; }
  void Step(bool up);
  // The arrow strip in window coordinates.
  YdSpinParts ArrowParts() const;

  // The strip's width in 96-DPI pixels.
  static constexpr int kArrowWidth = 16;

 private:
  void DrawArrows(HDC dc);

  int number_ = 0;
  // The number last asked for: the limits may arrive after it.
  int requested_ = 0;
  int min_ = 0;
  int max_ = 100;
  int inc_ = 1;
  std::wstring up_image_;
  std::wstring down_image_;
};

}  // namespace ZEPHYRA_NAMESPACE
