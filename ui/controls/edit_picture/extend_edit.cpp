// extend_edit.cpp -- YdExtendEdit: range, typed characters and the check on
// leaving the field.
#include "ui/controls/edit_picture/extend_edit.h"

#include <cwchar>

#include "common/format.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ExtendEditAttr : int { kRange };

// "range" is read by ParseRange.
constexpr YdAttributeEntry kExtendEditEntries[] = {
    AttributeEntry("range", ExtendEditAttr::kRange, YdValueSyntax::kString),
};

}  // namespace

const YdAttributeTable& YdExtendEdit::AttributeTable() {
  static const YdAttributeTable table{kExtendEditEntries, sizeof(kExtendEditEntries) / sizeof(kExtendEditEntries[0]),
                                      &YdRichEdit::AttributeTable()};
  return table;
}

void YdExtendEdit::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdRichEdit::ApplyAttribute(key, value);
    return;
  }
  switch (static_cast<ExtendEditAttr>(entry->id)) {
    case ExtendEditAttr::kRange: {
      int lo = 0, hi = 0;
      if (ParseRange(value, &lo, &hi)) {
        SetRange(lo, hi);
      } else {
        has_range_ = false;
      }
      break;
    }
  }
}

void YdExtendEdit::SetRange(int lo, int hi) {
  has_range_ = true;
  lo_ = lo < hi ? lo : hi;
  hi_ = lo < hi ? hi : lo;
}

void YdExtendEdit::ApplyRange() {
  if (!has_range_) return;
  const std::wstring text = GetText();
  wchar_t* end = nullptr;
  const long long typed = std::wcstoll(text.c_str(), &end, 10);
  int value = lo_;
  if (!text.empty() && end != nullptr && *end == 0) {
    value = typed < lo_ ? lo_ : (typed > hi_ ? hi_ : static_cast<int>(typed));
  }
  const std::wstring shown = WideDecimal(value);
  if (text != shown) SetText(shown);
}

HRESULT YdExtendEdit::SendTextMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (msg == WM_CHAR && has_range_) {
    const wchar_t ch = static_cast<wchar_t>(wParam);
    const bool control = ch < 0x20;
    const bool digit = ch >= L'0' && ch <= L'9';
    const bool minus = ch == L'-' && lo_ < 0;
    if (!control && !digit && !minus) {
      if (result != nullptr) *result = 0;
      ::MessageBeep(MB_OK);
      return S_OK;
    }
  }
  return YdRichEdit::SendTextMessage(msg, wParam, lParam, result);
}

void YdExtendEdit::OnKillFocus(YdEvent& event) {
  ApplyRange();
  YdRichEdit::OnKillFocus(event);
}

}  // namespace ZEPHYRA_NAMESPACE
