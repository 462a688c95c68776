// edit_wnd.cpp -- the native edit window shown over a YdEdit.
#include "ui/controls/edit_picture/edit_wnd.h"

#include "ui/controls/edit_picture/edit.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

int YdEditWnd::live_ = 0;

namespace {
// Reflected messages: the paint manager sends WM_CTLCOLOREDIT back to the
// edit window 0x2000 higher.
constexpr UINT kReflectedCtlColorEdit = WM_CTLCOLOREDIT + 0x2000;

COLORREF ColourRefOf(uint32_t argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}
}  // namespace

bool YdEditWnd::Open(HWND parent, const RECT& rc) {
  DWORD style = WS_CHILD | ES_AUTOHSCROLL;
  if (owner_->IsPassword()) style |= ES_PASSWORD;
  if (owner_->IsReadOnly()) style |= ES_READONLY;
  if (Create(parent, nullptr, style, 0, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top) == nullptr) {
    return false;  // a window destroyed on its way up did not delete this object
  }
  opened_ = true;
  HWND hwnd = GetHWND();
  if (YdPaintManager* manager = owner_->GetManager()) {
    if (YdFontInfo* font = manager->GetDefaultFont()) {
      ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->font.Get()), FALSE);
    }
  }
  ::SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(owner_->GetMaxChar()), 0);
  if (owner_->IsPassword()) ::SendMessageW(hwnd, EM_SETPASSWORDCHAR, owner_->GetPasswordChar(), 0);
  ::SetWindowTextW(hwnd, owner_->GetText().c_str());
  ::SendMessageW(hwnd, EM_SETSEL, 0, -1);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  ::SetFocus(hwnd);
  return true;
}

void YdEditWnd::Abandon() {
  owner_ = nullptr;
  finished_ = true;
  HWND hwnd = GetHWND();
  if (hwnd != nullptr) ::DestroyWindow(hwnd);  // ends in OnFinalDestroy, which deletes this
}

std::wstring YdEditWnd::WindowText() const {
  HWND hwnd = GetHWND();
  const int length = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hwnd, &text[0], length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void YdEditWnd::Finish() {
  // A window that never opened has no text to hand back.
  if (finished_ || !opened_) return;
  finished_ = true;
  if (owner_ != nullptr) owner_->OnEditWindowClosed(WindowText());
  owner_ = nullptr;
}

LRESULT YdEditWnd::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KILLFOCUS: {
      const LRESULT result = YdWindowWnd::ProcessMessage(msg, wParam, lParam);
      Finish();
      ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
      return result;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        // Hand the focus back to the skinned window: the kill focus ends
        // the editing.
        ::SetFocus(::GetParent(GetHWND()));
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r' || wParam == 0x1B) return 0;  // no beep
      break;
    case WM_DESTROY:
      Finish();
      break;
    case kReflectedCtlColorEdit: {
      const uint32_t colour = owner_ != nullptr ? owner_->GetNativeBkColor() : 0xFFFFFFFFu;
      if (!brush_.IsValid()) brush_.Set(::CreateSolidBrush(ColourRefOf(colour)));
      ::SetBkColor(reinterpret_cast<HDC>(wParam), ColourRefOf(colour));
      return reinterpret_cast<LRESULT>(brush_.Get());
    }
    default:
      break;
  }
  return YdWindowWnd::ProcessMessage(msg, wParam, lParam);
}

void YdEditWnd::OnFinalDestroy(HWND) {
  // Before Open succeeded the window died inside Create; Open's caller,
  // who sees the failure, deletes this object.
  if (opened_) delete this;
}

}  // namespace ZEPHYRA_NAMESPACE
