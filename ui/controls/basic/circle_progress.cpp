// circle_progress.cpp -- YdCircleProgress: the ring sector as a path turned
// into a region, less the inner ellipse, filled with the circle brush.
#include "ui/controls/basic/circle_progress.h"

#include "ui/controls/basic/basic_control_logic.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class CircleProgressAttr : int { kCircleColour };

// Unlike other tables' keys, this key also matches as a part of a longer key.
constexpr YdAttributeEntry kCircleProgressEntries[] = {
    AttributeEntry("circlecolor", CircleProgressAttr::kCircleColour, YdValueSyntax::kColour),
};

}  // namespace

const YdAttributeTable& YdCircleProgress::AttributeTable() {
  static const YdAttributeTable table{kCircleProgressEntries, sizeof(kCircleProgressEntries) / sizeof(kCircleProgressEntries[0]),
                                      &ControlAttributeTable()};
  return table;
}

void YdCircleProgress::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  for (const YdAttributeEntry& entry : kCircleProgressEntries) {
    if (!ContainsWord(AsUtf16(key), entry.key)) continue;
    const YdAttributeValue v = ParseEntryValue(entry, value);
    switch (static_cast<CircleProgressAttr>(entry.id)) {
      case CircleProgressAttr::kCircleColour: SetCircleColor(v.colour); break;
    }
  }
  YdControl::ApplyAttribute(key, value);
}

void YdCircleProgress::SetValue(int value) {
  value_ = ClampPercent(value);
  Invalidate();
}

void YdCircleProgress::SetCircleColor(uint32_t colour) {
  circle_colour_ = colour;
  brush_.Set(::CreateSolidBrush(GdiColourOf(colour)));
}

void YdCircleProgress::Paint(HDC dc, const RECT& dirty) {
  YdControl::Paint(dc, dirty);
  if (dc == nullptr || !IsVisible() || paint_rect_.IsEmpty() || !brush_.IsValid() || value_ <= 0) return;
  const int cx = (pos_.left + pos_.right) / 2;
  const int cy = (pos_.top + pos_.bottom) / 2;
  const int radius = (pos_.right - pos_.left) / 2;
  if (radius <= 0) return;
  ::BeginPath(dc);
  ::MoveToEx(dc, cx, cy, nullptr);
  ::AngleArc(dc, cx, cy, static_cast<DWORD>(radius), static_cast<FLOAT>(CircleStartAngle(value_)),
             static_cast<FLOAT>(CircleSweepAngle(value_)));
  ::LineTo(dc, cx, cy);
  ::EndPath(dc);
  ScopedRegion sector(::PathToRegion(dc));
  if (!sector.IsValid()) return;
  const int ring = DpiScale().Scale(kRingWidth);
  ScopedRegion inner(::CreateEllipticRgn(pos_.left + ring, pos_.top + ring, pos_.right - ring, pos_.bottom - ring));
  if (inner.IsValid()) ::CombineRgn(sector.Get(), sector.Get(), inner.Get(), RGN_DIFF);
  ::FillRgn(dc, sector.Get(), brush_.Get());
}

}  // namespace ZEPHYRA_NAMESPACE
