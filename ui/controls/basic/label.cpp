// label.cpp -- YdLabel: the "text_antialias" key and anti-aliased text
// drawing through a per-pixel-alpha bitmap.
#include "ui/controls/basic/label.h"

#include "common/scoped_gdi.h"
#include "ui/values/attribute_values.h"
#include "ui/render/decoded_image.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class LabelAttr : int { kTextAntialias };

constexpr YdAttributeEntry kLabelEntries[] = {
    {"text_antialias", static_cast<int>(LabelAttr::kTextAntialias), YdValueSyntax::kBool, YdVisualState::kNormal},
};

}  // namespace

const YdAttributeTable& YdLabel::AttributeTable() {
  static const YdAttributeTable table{kLabelEntries, sizeof(kLabelEntries) / sizeof(kLabelEntries[0]),
                                      &YdContainer::AttributeTable()};
  return table;
}

YdControl* YdLabel::QueryKind(int kind) {
  if (kind == kKindLabel) return this;
  return YdContainer::QueryKind(kind);
}

void YdLabel::SetAntialiasText(bool on) {
  if (on == antialias_text_) return;
  antialias_text_ = on;
  Invalidate();
}

void YdLabel::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<LabelAttr>(entry->id)) {
    case LabelAttr::kTextAntialias: SetAntialiasText(v.flag); break;
  }
}

void YdLabel::DrawControlText(HDC dc) {
  if (!antialias_text_ || text_.empty()) {
    YdContainer::DrawControlText(dc);
    return;
  }
  DrawAntialiasText(dc);
}

void YdLabel::DrawAntialiasText(HDC dc) {
  const YdRect area = pos_.Shrunk(StateTextPadding());
  const int w = area.Width(), h = area.Height();
  if (w <= 0 || h <= 0) return;
  const uint32_t gdiColour = GdiColourOf(StateTextColour());

  uint32_t* bits = nullptr;
  ScopedBitmap bitmap(CreateDib32(w, h, true, &bits));
  ScopedCreateDC memory(::CreateCompatibleDC(dc));
  if (!bitmap.IsValid() || !memory.IsValid() || bits == nullptr) return;
  const size_t count = static_cast<size_t>(w) * static_cast<size_t>(h);
  for (size_t i = 0; i < count; ++i) bits[i] = kUntouchedTextPixel;

  HFONT font = nullptr;
  if (manager_ != nullptr) {
    if (YdFontInfo* info = manager_->GetFont(StateFont())) font = info->font.Get();
  }
  if (font == nullptr) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  {
    ScopedSelectObject selectBitmap(memory.Get(), bitmap.Get());
    ScopedSelectObject selectFont(memory.Get(), font);
    ::SetBkMode(memory.Get(), TRANSPARENT);
    ::SetTextColor(memory.Get(), gdiColour);
    RECT rc{0, 0, w, h};
    ::DrawTextW(memory.Get(), text_.c_str(), static_cast<int>(text_.size()), &rc, text_style_.format);
    ::GdiFlush();
    FinishAntialiasTextPixels(bits, count, gdiColour);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiAlphaBlend(dc, area.left, area.top, w, h, memory.Get(), 0, 0, w, h, blend);
  }
}

}  // namespace ZEPHYRA_NAMESPACE
