// progress.cpp -- YdProgress: its keys and the cropped fill image.
#include "ui/controls/basic/progress.h"

#include <cwchar>

#include "common/format.h"
#include "ui/render/image_descriptor.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ProgressAttr : int { kForeInset, kStep, kSource };

constexpr YdAttributeEntry kProgressEntries[] = {
    {"foreinset", static_cast<int>(ProgressAttr::kForeInset), YdValueSyntax::kLengthRect, YdVisualState::kNormal},
    {"step", static_cast<int>(ProgressAttr::kStep), YdValueSyntax::kInt, YdVisualState::kNormal},
    {"source", static_cast<int>(ProgressAttr::kSource), YdValueSyntax::kBool, YdVisualState::kNormal},
};

std::wstring Format(const wchar_t* format, int a, int b, int c = 0, int d = 0) {
  return FormatText(format, a, b, c, d);
}

}  // namespace

const YdAttributeTable& YdProgress::AttributeTable() {
  static const YdAttributeTable table{kProgressEntries, sizeof(kProgressEntries) / sizeof(kProgressEntries[0]),
                                      &ControlAttributeTable()};
  return table;
}

YdControl* YdProgress::QueryKind(int kind) {
  if (kind == kKindProgress) return this;
  return YdControl::QueryKind(kind);
}

void YdProgress::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdControl::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<ProgressAttr>(entry->id)) {
    case ProgressAttr::kForeInset: fore_inset_ = v.rect; break;
    case ProgressAttr::kStep: SetStep(v.number); break;
    case ProgressAttr::kSource: source_ = v.flag; break;
  }
}

void YdProgress::SetValue(int value) {
  value_ = value;
  Invalidate();
}

void YdProgress::SetMaxValue(int maximum) {
  maximum_ = maximum;
  Invalidate();
}

void YdProgress::SetStep(int step) {
  const int clamped = ClampProgressStep(step, maximum_);
  if (clamped == step_) return;
  step_ = clamped;
  Invalidate();
}

std::wstring YdProgress::FillModifier() const {
  const std::wstring& normal = status_image_.normal;
  if (normal.empty()) return {};
  const DescriptorValue corner = ReadDescriptorValue(normal, DescriptorKey::kCorner);
  const int cornerLeft = corner.found ? corner.rect.left : 0;
  const int cornerRight = corner.found ? corner.rect.right : 0;
  const YdProgressFill fill = ComputeProgressFill(pos_.Width(), pos_.Height(), step_, value_, maximum_, fore_inset_,
                                                  cornerLeft, cornerRight, source_);
  if (!fill.draw) return {};
  std::wstring modifier;
  if (fill.hasSource) modifier += Format(L" source='0,0,%d,%d'", fill.sourceWidth, fill.sourceHeight);
  modifier += Format(L" dest='%d,%d,%d,%d'", fill.dest.left, fill.dest.top, fill.dest.right, fill.dest.bottom);
  return modifier.substr(1);
}

void YdProgress::DrawStateImage(HDC dc) {
  const std::wstring modifier = FillModifier();
  if (modifier.empty()) return;
  // A plain image name is a whole descriptor on its own, so the pairs go
  // on top as a modifier rather than being appended to its text.
  if (!DrawImage(dc, status_image_.normal, modifier)) status_image_.normal.clear();
}

void YdProgress::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdControl::RescaleGeometry(from, to);
  if (from == to) return;
  fore_inset_ = YdDpiScale::Rescale(fore_inset_, from, to);
}

}  // namespace ZEPHYRA_NAMESPACE
