// progress.h -- YdProgress (element "Progress"): a bar that crops its normal
// image to the filled part of value / maximum, inside the fore inset.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/basic/basic_control_logic.h"
#include "ui/control/control.h"

namespace ZEPHYRA_NAMESPACE {

class YdProgress : public YdControl {
 public:
  YdProgress() = default;

  int GetKind() const override { return kKindProgress; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;
  // Draws the normal image cut to the filled part; nothing without one.
  void DrawStateImage(HDC dc) override;

  int GetValue() const { return value_; }
  // Stores the value and repaints.
  void SetValue(int value);
  int GetMaxValue() const { return maximum_; }
  void SetMaxValue(int maximum);
  int GetStep() const { return step_; }
  // Clamped to [1, maximum]; repaints on a change.
  void SetStep(int step);
  RECT GetForeInset() const { return ToRECT(fore_inset_); }
  void SetForeInset(const RECT& rc) { fore_inset_ = FromRECT(rc); }
  bool IsSourceMode() const { return source_; }
  void SetSourceMode(bool on) { source_ = on; }
  // The " source='...' dest='...'" pairs drawn over the normal image for
  // the current value (they win over the skin's own), or empty when nothing
  // is drawn.
  std::wstring FillModifier() const;

  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  static const YdAttributeTable& AttributeTable();

 private:
  int step_ = 1;
  int value_ = 0;
  int maximum_ = 100;
  YdRect fore_inset_;
  bool source_ = false;
};

}  // namespace ZEPHYRA_NAMESPACE
