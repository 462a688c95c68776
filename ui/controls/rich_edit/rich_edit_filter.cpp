// rich_edit_filter.cpp -- YdRichEdit as a message filter of its paint
// manager: it takes the mouse messages over its text, the keyboard while it
// has the focus and the context menu over it, hands them to the text
// services, and tells the manager which ones it handled.
#include "ui/controls/rich_edit/rich_edit.h"

#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

bool IsButtonMessage(UINT msg) { return msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK; }

POINT ClientPointOf(HWND window, UINT msg, LPARAM lParam) {
  POINT pt{};
  if (msg == WM_SETCURSOR) {
    ::GetCursorPos(&pt);
    ::ScreenToClient(window, &pt);
    return pt;
  }
  pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  // The wheel and the context menu carry screen coordinates.
  if (msg == WM_MOUSEWHEEL || msg == WM_CONTEXTMENU) ::ScreenToClient(window, &pt);
  return pt;
}

}  // namespace

LRESULT YdRichEdit::FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = false;
  if (!host_ || manager_ == nullptr || !IsVisible() || !IsEnabled()) return 0;
  const YdFilterClass cls = ClassifyFilterMessage(msg);
  if (cls == YdFilterClass::kNone) return 0;
  // Without Ctrl the wheel scrolls the container, not the text.
  if (msg == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) == 0) return 0;
  HWND window = manager_->GetWindow();
  if (cls == YdFilterClass::kMouse) {
    if (!host_->HasCapture()) {
      const POINT pt = ClientPointOf(window, msg, lParam);
      if (IsButtonMessage(msg) && manager_->ControlAtPoint(pt) != this) return 0;
      const RECT client = host_->GetClientRect();
      if (!::PtInRect(&client, pt) || manager_->IsMouseCaptured()) return 0;
    }
    if (msg == WM_LBUTTONDOWN) {
      YdEvent empty;
      OnLButtonDown(empty);
      SetFocus();
    } else if (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN) {
      SetFocus();
    }
  } else if (cls == YdFilterClass::kKeyboard) {
    if (!IsFocused()) return 0;
  } else if (cls == YdFilterClass::kContextMenu) {
    if (manager_->ControlAtPoint(ClientPointOf(window, msg, lParam)) != this) return 0;
  }
  LRESULT result = 0;
  const HRESULT hr = SendTextMessage(msg, wParam, lParam, &result);
  handled = FilterReportsHandled(msg, hr == S_OK, host_ && host_->HasCapture());
  return result;
}

}  // namespace ZEPHYRA_NAMESPACE
