// window_impl_base.cpp -- message splitting and skin building of the skinned
// window base.
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

ISkinBuilder* g_default_builder = nullptr;

}  // namespace

void YdWindowImplBase::SetDefaultSkinBuilder(ISkinBuilder* builder) { g_default_builder = builder; }

ISkinBuilder* YdWindowImplBase::GetSkinBuilder() const {
  return builder_ != nullptr ? builder_ : g_default_builder;
}

bool YdWindowImplBase::DispatchToHandler(UINT msg, WPARAM wParam, LPARAM lParam,
                                         LRESULT& result) {
  bool handled = true;
  switch (msg) {
    case WM_DESTROY:
      result = OnDestroy(msg, wParam, lParam, handled);
      break;
    case WM_CREATE:
      result = OnCreate(msg, wParam, lParam, handled);
      break;
    case WM_COMMAND:
      result = OnCommand(msg, wParam, lParam, handled);
      break;
    case WM_NCACTIVATE:
      result = OnNcActivate(msg, wParam, lParam, handled);
      break;
    case WM_NCCALCSIZE:
      result = OnNcCalcSize(msg, wParam, lParam, handled);
      break;
    case WM_NCPAINT:
      result = OnNcPaint(msg, wParam, lParam, handled);
      break;
    case WM_NCHITTEST:
      result = OnNcHitTest(msg, wParam, lParam, handled);
      break;
    case WM_SYSCOMMAND:
      result = OnSysCommand(msg, wParam, lParam, handled);
      break;
    case WM_SIZE:
      result = OnSize(msg, wParam, lParam, handled);
      break;
    case WM_CLOSE:
      result = OnClose(msg, wParam, lParam, handled);
      break;
    case WM_GETMINMAXINFO:
      result = OnGetMinMaxInfo(msg, wParam, lParam, handled);
      break;
    case WM_MOUSEWHEEL:
      result = OnMouseWheel(msg, wParam, lParam, handled);
      break;
    case WM_KILLFOCUS:
      result = OnKillFocus(msg, wParam, lParam, handled);
      break;
    case WM_SETFOCUS:
      result = OnSetFocus(msg, wParam, lParam, handled);
      break;
    case WM_LBUTTONUP:
      result = OnLButtonUp(msg, wParam, lParam, handled);
      break;
    case WM_LBUTTONDOWN:
      result = OnLButtonDown(msg, wParam, lParam, handled);
      break;
    case WM_MOUSEMOVE:
      result = OnMouseMove(msg, wParam, lParam, handled);
      break;
    case WM_MOUSELEAVE:
      result = OnMouseLeave(msg, wParam, lParam, handled);
      break;
    case WM_NCMOUSEMOVE:
      result = OnNcMouseMove(msg, wParam, lParam, handled);
      break;
    case WM_NCMOUSELEAVE:
      result = OnNcMouseLeave(msg, wParam, lParam, handled);
      break;
    case WM_TIMER:
      result = OnTimer(msg, wParam, lParam, handled);
      break;
    case WM_CHAR:
      result = OnChar(msg, wParam, lParam, handled);
      break;
    case WM_KEYUP:
      result = OnKeyUp(msg, wParam, lParam, handled);
      break;
    case WM_KEYDOWN:
      result = OnKeyDown(msg, wParam, lParam, handled);
      break;
    case WM_WINDOWPOSCHANGED:
      result = OnWindowPosChanged(msg, wParam, lParam, handled);
      break;
    case kCustomHandlerMessage:
      result = OnCustomMessage(msg, wParam, lParam, handled);
      break;
    case WM_DISPLAYCHANGE:
      result = OnDisplayChange(msg, wParam, lParam, handled);
      break;
    default:
      return false;
  }
  return handled;
}

bool YdWindowImplBase::TranslateModalMessage(MSG& msg) {
  return YdPaintManager::TranslateForModal(msg);
}

LRESULT YdWindowImplBase::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (DispatchToHandler(msg, wParam, lParam, result)) return result;
  // The paint manager: control events, painting, and the window frame the
  // skin describes (sizing borders and caption, region, size limits).
  result = 0;
  if (manager_.HandleWindowMessage(msg, wParam, lParam, result)) return result;
  return YdWindowWnd::ProcessMessage(msg, wParam, lParam);
}

LRESULT YdWindowImplBase::BuildFromSkin(bool loadIcon, bool& handled) {
  handled = true;
  if (loadIcon) LoadAppIcon();
  manager_.BindWindow(GetHWND());
  ISkinBuilder* builder = GetSkinBuilder();
  if (builder == nullptr) return -1;
  YdSkinSource skin;
  skin.windowName = GetSkinWindowName();
  skin.source = GetSkinFile();
  skin.kind = GetSkinKind();
  skin.resourceType = GetSkinType();
  skin.callback = this;
  YdControl* root = builder->BuildWindow(skin, manager_);
  if (root == nullptr) return -1;
  manager_.AttachRoot(root);
  manager_.AddNotifyListener(this);
  const SIZE size = manager_.GetInitSize();
  if (size.cx > 0 && size.cy > 0) {
    ::SetWindowPos(GetHWND(), nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
  }
  return 0;
}

LRESULT YdWindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnCommand(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnNcActivate(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnSysCommand(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnMouseLeave(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnNcMouseMove(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnNcMouseLeave(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnTimer(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnChar(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnKeyUp(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnWindowPosChanged(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnCustomMessage(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}
LRESULT YdWindowImplBase::OnDisplayChange(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

}  // namespace ZEPHYRA_NAMESPACE
