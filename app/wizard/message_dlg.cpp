// message_dlg.cpp -- YdMessageDlg; see message_dlg.h.
#include "app/wizard/message_dlg.h"

#include "ui/control/control.h"

namespace ZEPHYRA_NAMESPACE {

namespace {
constexpr int kDialogShadowSize = 3;
}  // namespace

YdMessageDlg::YdMessageDlg(HWND owner, int style) : style_(style) {
  std::wstring title;
  if (owner != nullptr) {
    const int length = ::GetWindowTextLengthW(owner);
    if (length > 0) {
      title.resize(static_cast<size_t>(length) + 1);
      title.resize(static_cast<size_t>(::GetWindowTextW(owner, &title[0], length + 1)));
    }
  }
  Create(owner, title.c_str(), WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME,
         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
}

YdMessageDlg::~YdMessageDlg() {
  if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
}

LRESULT YdMessageDlg::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
  const LRESULT built = BuildFromSkin(false, handled);
  if (built != 0) return built;
  YdPaintManager& manager = GetPaintManager();
  const MessageDlgLook look = MessageDlgLookForStyle(style_);
  if (look.padConfirm) {
    if (YdControl* confirm = manager.ControlById(kDlgConfirmId)) {
      confirm->SetPadding(RECT{manager.GetDpiScale().Scale(kSingleButtonPaddingLeft), 0, 0, 0});
    }
  }
  if (look.hideDecline) {
    if (YdControl* decline = manager.ControlById(kDlgDeclineId)) decline->SetVisible(false);
  }
  if (look.alternateIcon) {
    if (YdControl* icon = manager.ControlById(kDlgIconId)) {
      icon->SetNormalImage(kAlternateIconImage);
      icon->Invalidate();
    }
  }
  manager.NeedLayout();
  const SIZE size = manager.GetMinInfo();
  if (size.cx > 0 && size.cy > 0) {
    ::SetWindowPos(GetHWND(), nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
  }
  CenterOnOwner();
  shadow_.CreateShadow(GetHWND());
  shadow_.SetShadowSize(GetPaintManager().GetDpiScale().Scale(kDialogShadowSize));
  return 0;
}

// No system frame: the skin draws the whole window.
LRESULT YdMessageDlg::OnNcCalcSize(UINT, WPARAM, LPARAM, bool& handled) {
  handled = true;
  return 0;
}

LRESULT YdMessageDlg::OnNcPaint(UINT, WPARAM, LPARAM, bool& handled) {
  handled = true;
  return 0;
}

void YdMessageDlg::Notify(YdNotifyMsg& msg) {
  if (msg.type == kNotifyWindowInit) {
    if (YdControl* confirm = GetPaintManager().ControlById(kDlgConfirmId)) confirm->SetFocus();
    return;
  }
  if (msg.type != kNotifyClick || msg.sender == nullptr) return;
  const int result = DialogResultForClick(msg.sender->GetId());
  if (result == 0) return;
  result_ = result;
  ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
}

bool YdMessageDlg::SetControlText(int id, const std::wstring& text) {
  YdControl* control = GetPaintManager().ControlById(id);
  if (control == nullptr) return false;
  control->SetText(text);
  control->Invalidate();
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
