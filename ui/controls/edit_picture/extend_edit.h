// extend_edit.h -- YdExtendEdit (element "ExtendEdit"): a rich edit for a
// whole number within a "range" ("lo,hi", or "n" for 0..n). While a range
// is set only digits (and a minus sign when the range goes below zero) are
// typed, and leaving the field puts the number within the range (text that
// is no number becomes the lower bound). Without a range it edits like a
// rich edit.
#pragma once

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/edit_picture/edit_picture_logic.h"
#include "ui/controls/rich_edit/rich_edit.h"

namespace ZEPHYRA_NAMESPACE {

class YdExtendEdit : public YdRichEdit {
 public:
  YdExtendEdit() = default;

  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The extend edit's own key; its base is the rich edit's table.
  static const YdAttributeTable& AttributeTable();
  HRESULT SendTextMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnKillFocus(YdEvent& event) override;

  bool HasRange() const { return has_range_; }
  int GetRangeLow() const { return lo_; }
  int GetRangeHigh() const { return hi_; }
  void SetRange(int lo, int hi);
  // The text put within the range (what leaving the field does).
  void ApplyRange();

 private:
  bool has_range_ = false;
  int lo_ = 0;
  int hi_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
