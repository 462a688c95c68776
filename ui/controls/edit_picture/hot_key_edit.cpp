// hot_key_edit.cpp -- YdHotKeyEdit: key combination capture.
#include "ui/controls/edit_picture/hot_key_edit.h"

#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {
unsigned ModifierBitOf(WPARAM vk) {
  switch (vk) {
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: return kHotKeyCtrl;
    case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: return kHotKeyShift;
    case VK_MENU: case VK_LMENU: case VK_RMENU: return kHotKeyAlt;
    default: return 0;
  }
}
}  // namespace

YdControl* YdHotKeyEdit::QueryKind(int kind) {
  if (kind == kKindHotKeyEdit) return this;
  return YdRichEdit::QueryKind(kind);
}

unsigned YdHotKeyEdit::HeldModifiers() const {
  unsigned held = seen_down_;
  if (::GetAsyncKeyState(VK_CONTROL) < 0) held |= kHotKeyCtrl;
  if (::GetAsyncKeyState(VK_SHIFT) < 0) held |= kHotKeyShift;
  if (::GetAsyncKeyState(VK_MENU) < 0) held |= kHotKeyAlt;
  return held;
}

void YdHotKeyEdit::SetHotKey(unsigned vk, unsigned modifiers) {
  vk_ = vk;
  modifiers_ = vk == 0 ? 0 : modifiers;
  YdRichEdit::SetText(vk == 0 ? std::wstring() : FormatHotKey(vk, modifiers_));
}

HRESULT YdHotKeyEdit::SendTextMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (result != nullptr) *result = 0;
      const unsigned bit = ModifierBitOf(wParam);
      if (bit != 0) {
        seen_down_ |= bit;
        return S_OK;
      }
      const unsigned held = HeldModifiers();
      const unsigned vk = static_cast<unsigned>(wParam);
      if (held == 0 && (vk == VK_BACK || vk == VK_DELETE)) {
        SetHotKey(0, 0);
      } else {
        SetHotKey(vk, held);
      }
      if (manager_ != nullptr) {
        manager_->RaiseNotify(this, kNotifyTextChanged, MAKEWPARAM(vk_, modifiers_), 0);
      }
      return S_OK;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      seen_down_ &= ~ModifierBitOf(wParam);
      if (result != nullptr) *result = 0;
      return S_OK;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_IME_CHAR:
      if (result != nullptr) *result = 0;
      return S_OK;  // no free text
    default:
      return YdRichEdit::SendTextMessage(msg, wParam, lParam, result);
  }
}

void YdHotKeyEdit::OnKillFocus(YdEvent& event) {
  seen_down_ = 0;
  YdRichEdit::OnKillFocus(event);
}

}  // namespace ZEPHYRA_NAMESPACE
