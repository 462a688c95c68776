// edit.cpp -- YdEdit: attributes, painting of the (masked) text and the
// hand-over to and from the native edit window.
#include "ui/controls/edit_picture/edit.h"

#include "ui/controls/edit_picture/edit_wnd.h"
#include "ui/controls/rich_edit/rich_edit.h"
#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class EditAttr : int { kReadOnly, kPassword, kMaxChar, kPasswordChar, kNativeBkColour };

constexpr YdAttributeEntry kEditEntries[] = {
    AttributeEntry("readonly", EditAttr::kReadOnly, YdValueSyntax::kBool),
    AttributeEntry("password", EditAttr::kPassword, YdValueSyntax::kBool),
    AttributeEntry("maxchar", EditAttr::kMaxChar, YdValueSyntax::kInt),
    AttributeEntry("passwordchar", EditAttr::kPasswordChar, YdValueSyntax::kChar),
    AttributeEntry("nativebkcolor", EditAttr::kNativeBkColour, YdValueSyntax::kColour),
};

}  // namespace

YdEdit::YdEdit() {
  SetFlag(kFlagSetCursor, true);
  SetFlag(kFlagTabStop, true);
}

YdEdit::~YdEdit() {
  if (edit_wnd_ != nullptr) edit_wnd_->Abandon();
}

YdControl* YdEdit::QueryKind(int kind) {
  if (kind == kKindEdit) return this;
  return YdContainer::QueryKind(kind);
}

const YdAttributeTable& YdEdit::AttributeTable() {
  static const YdAttributeTable table{kEditEntries, sizeof(kEditEntries) / sizeof(kEditEntries[0]),
                                      &YdContainer::AttributeTable()};
  return table;
}

void YdEdit::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<EditAttr>(entry->id)) {
    case EditAttr::kReadOnly: SetReadOnly(v.flag); break;
    case EditAttr::kPassword: SetPassword(v.flag); break;
    case EditAttr::kMaxChar: SetMaxChar(v.number); break;
    // An empty value gives the default character back.
    case EditAttr::kPasswordChar: SetPasswordChar(value.empty() ? wchar_t{0x25CF} : value[0]); break;
    case EditAttr::kNativeBkColour: SetNativeBkColor(v.colour); break;
  }
}

void YdEdit::SetReadOnly(bool on) {
  read_only_ = on;
  if (HWND hwnd = GetEditWindow()) ::SendMessageW(hwnd, EM_SETREADONLY, on ? TRUE : FALSE, 0);
  Invalidate();
}

void YdEdit::SetMaxChar(int count) {
  max_char_ = count > 0 ? count : 255;
  if (HWND hwnd = GetEditWindow()) ::SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(max_char_), 0);
}

void YdEdit::SetText(const std::wstring& text) {
  const std::wstring limited = text.size() > static_cast<size_t>(max_char_) ? text.substr(0, max_char_) : text;
  YdContainer::SetText(limited);
  if (HWND hwnd = GetEditWindow()) ::SetWindowTextW(hwnd, limited.c_str());
}

void YdEdit::SetPosition(const RECT& rc) {
  YdContainer::SetPosition(rc);
  if (HWND hwnd = GetEditWindow()) {
    ::SetWindowPos(hwnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void YdEdit::SetVisible(bool visible) {
  YdContainer::SetVisible(visible);
  if (!visible && GetEditWindow() != nullptr) ::SetFocus(::GetParent(GetEditWindow()));
}

void YdEdit::SetEnabled(bool enabled) {
  YdContainer::SetEnabled(enabled);
  if (!enabled && GetEditWindow() != nullptr) ::SetFocus(::GetParent(GetEditWindow()));
}

void YdEdit::DrawControlText(HDC dc) {
  if (!password_) {
    YdContainer::DrawControlText(dc);
    return;
  }
  // The base draws text_: show the mask instead, then put the text back.
  const std::wstring plain = text_;
  text_ = MaskedText(plain, password_char_);
  YdContainer::DrawControlText(dc);
  text_ = plain;
}

HWND YdEdit::GetEditWindow() const { return edit_wnd_ != nullptr ? edit_wnd_->GetHWND() : nullptr; }

HWND YdEdit::OpenEditWindow() {
  if (edit_wnd_ != nullptr) return edit_wnd_->GetHWND();
  if (manager_ == nullptr || !IsEnabled() || !IsVisible()) return nullptr;
  HWND parent = manager_->GetPaintWindow();
  if (parent == nullptr) return nullptr;
  auto* wnd = new YdEditWnd(this);
  edit_wnd_ = wnd;
  if (!wnd->Open(parent, GetPosition())) {
    edit_wnd_ = nullptr;
    delete wnd;  // not opened: it never deletes itself
    return nullptr;
  }
  return wnd->GetHWND();
}

void YdEdit::OnEditWindowClosed(const std::wstring& text) {
  edit_wnd_ = nullptr;
  if (read_only_ || text == text_) return;
  YdContainer::SetText(text.size() > static_cast<size_t>(max_char_) ? text.substr(0, max_char_) : text);
  if (manager_ != nullptr) manager_->RaiseNotify(this, kNotifyTextChanged);
}

void YdEdit::OnLButtonDown(YdEvent& event) {
  YdContainer::OnLButtonDown(event);
  if (IsEnabled()) OpenEditWindow();
}

void YdEdit::OnSetCursor(YdEvent& event) {
  if (TestFlag(kFlagSetCursor) && IsEnabled()) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
    return;
  }
  YdContainer::OnSetCursor(event);
}

}  // namespace ZEPHYRA_NAMESPACE
