// circle_progress.h -- YdCircleProgress (element "CircleProgress"): a ring
// 8 pixels thick whose sector from twelve o'clock clockwise to value percent
// is filled in the circle colour.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/control/control.h"

namespace ZEPHYRA_NAMESPACE {

class YdCircleProgress : public YdControl {
 public:
  YdCircleProgress() = default;

  // A key containing "circlecolor" sets the circle colour; every key then
  // also goes to the control base.
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The circle's own key; its base is the control base's table.
  static const YdAttributeTable& AttributeTable();
  void Paint(HDC dc, const RECT& dirty) override;

  int GetValue() const { return value_; }
  // Stores the value, clamped to 0..100, and repaints.
  void SetValue(int value);
  uint32_t GetCircleColor() const { return circle_colour_; }
  void SetCircleColor(uint32_t colour);

  // The ring thickness in 96-DPI pixels.
  static constexpr int kRingWidth = 8;

 private:
  int value_ = 0;
  uint32_t circle_colour_ = 0;
  ScopedBrush brush_;
};

}  // namespace ZEPHYRA_NAMESPACE
