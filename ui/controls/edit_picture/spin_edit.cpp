// spin_edit.cpp -- YdSpinEdit: number, limits, arrows and stepping.
#include "ui/controls/edit_picture/spin_edit.h"

#include <cwchar>

#include "common/format.h"
#include "ui/manager/event_types.h"
#include "ui/manager/paint_manager.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class SpinEditAttr : int { kMaxNumber, kMinNumber, kIncNumber, kUpArrow, kDownArrow, kNumber };

constexpr YdAttributeEntry kSpinEditEntries[] = {
    AttributeEntry("maxnumber", SpinEditAttr::kMaxNumber, YdValueSyntax::kInt),
    AttributeEntry("minnumber", SpinEditAttr::kMinNumber, YdValueSyntax::kInt),
    AttributeEntry("incnumber", SpinEditAttr::kIncNumber, YdValueSyntax::kInt),
    AttributeEntry("uparrow", SpinEditAttr::kUpArrow, YdValueSyntax::kDescriptor),
    AttributeEntry("downarrow", SpinEditAttr::kDownArrow, YdValueSyntax::kDescriptor),
    AttributeEntry("number", SpinEditAttr::kNumber, YdValueSyntax::kInt),
};

}  // namespace

YdSpinEdit::YdSpinEdit() { YdRichEdit::SetText(L"0"); }

const YdAttributeTable& YdSpinEdit::AttributeTable() {
  static const YdAttributeTable table{kSpinEditEntries, sizeof(kSpinEditEntries) / sizeof(kSpinEditEntries[0]),
                                      &YdRichEdit::AttributeTable()};
  return table;
}

void YdSpinEdit::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdRichEdit::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<SpinEditAttr>(entry->id)) {
    case SpinEditAttr::kMaxNumber:
      max_ = v.number;
      SetNumber(requested_);
      break;
    case SpinEditAttr::kMinNumber:
      min_ = v.number;
      SetNumber(requested_);
      break;
    case SpinEditAttr::kIncNumber: inc_ = v.number; break;
    case SpinEditAttr::kUpArrow:
      up_image_ = value;
      Invalidate();
      break;
    case SpinEditAttr::kDownArrow:
      down_image_ = value;
      Invalidate();
      break;
    case SpinEditAttr::kNumber: SetNumber(v.number); break;
  }
}

void YdSpinEdit::SetNumber(int number) {
  requested_ = number;
  const int clamped = ClampSpinNumber(number, min_, max_);
  const bool changed = clamped != number_;
  number_ = clamped;
  const std::wstring text = WideDecimal(number_);
  if (GetText() != text) YdRichEdit::SetText(text);
  if (changed && manager_ != nullptr) manager_->RaiseNotify(this, kNotifyScrollPos, static_cast<WPARAM>(number_));
}

void YdSpinEdit::Step(bool up) {
  if (!IsEnabled() || IsReadOnly()) return;
  SetNumber(StepSpinNumber(number_, inc_, min_, max_, up));
}

YdSpinParts YdSpinEdit::ArrowParts() const {
  const RECT rc = GetPosition();
  return SpinArrowParts(rc.left, rc.top, rc.right, rc.bottom, DpiScale().Scale(kArrowWidth));
}

void YdSpinEdit::Paint(HDC dc, const RECT& dirty) {
  YdRichEdit::Paint(dc, dirty);
  if (IsVisible() && dc != nullptr) DrawArrows(dc);
}

void YdSpinEdit::DrawArrows(HDC dc) {
  const RECT rc = GetPosition();
  const YdSpinParts p = ArrowParts();
  wchar_t dest[96];
  if (!up_image_.empty()) {
    std::swprintf(dest, 96, L"dest='%d,%d,%d,%d'", p.left - rc.left, 0, p.right - rc.left, p.middle - rc.top);
    DrawImage(dc, up_image_, dest);
  }
  if (!down_image_.empty()) {
    std::swprintf(dest, 96, L"dest='%d,%d,%d,%d'", p.left - rc.left, p.middle - rc.top, p.right - rc.left,
                  p.bottom - rc.top);
    DrawImage(dc, down_image_, dest);
  }
}

void YdSpinEdit::OnKillFocus(YdEvent& event) {
  // A typed number is taken, within the limits; anything else restores the
  // last number.
  const std::wstring text = GetText();
  wchar_t* end = nullptr;
  const long typed = std::wcstol(text.c_str(), &end, 10);
  if (!text.empty() && end != nullptr && *end == 0) {
    SetNumber(static_cast<int>(typed));
  }
  const std::wstring shown = WideDecimal(number_);
  if (GetText() != shown) YdRichEdit::SetText(shown);
  YdRichEdit::OnKillFocus(event);
}

HRESULT YdSpinEdit::SendTextMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
    if (result != nullptr) *result = 0;
    Step(wParam == VK_UP);
    return S_OK;
  }
  return YdRichEdit::SendTextMessage(msg, wParam, lParam, result);
}

LRESULT YdSpinEdit::FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = false;
  if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && manager_ != nullptr && IsVisible() && IsEnabled()) {
    const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const YdSpinParts p = ArrowParts();
    if (pt.x >= p.left && pt.x < p.right && pt.y >= p.top && pt.y < p.bottom &&
        manager_->ControlAtPoint(pt) == this) {
      Step(pt.y < p.middle);
      handled = true;
      return 0;
    }
  }
  return YdRichEdit::FilterMessage(msg, wParam, lParam, handled);
}

}  // namespace ZEPHYRA_NAMESPACE
