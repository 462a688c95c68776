// paint_manager_loop.cpp -- the message loop shared by all skinned windows
// and its pre-translation step: accelerators, Tab and Shift+Tab between tab
// stops, system keys for the focused control, and the accelerator hand-off
// to a focused ActiveX host.
#include <ole2.h>
#include <oleidl.h>

#include "ui/control/control.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// Step 1 and 2 of the loop for one manager: true when consumed.
bool OfferToManager(YdPaintManager* manager, const MSG& msg) {
  YdControl* focus = manager->GetFocusControl();
  if (focus != nullptr && focus == manager->ControlOfWindow(msg.hwnd) && ::GetFocus() == msg.hwnd &&
      focus->GetKind() == kKindActiveX) {
    auto* object = static_cast<IOleInPlaceActiveObject*>(focus->GetInPlaceActiveObject());
    if (object != nullptr) {
      MSG copy = msg;
      if (object->TranslateAccelerator(&copy) == S_OK) return true;
    }
  }
  const HWND window = manager->GetWindow();
  if (msg.hwnd == window) return manager->PreTranslate(msg);
  const LONG_PTR style = ::GetWindowLongPtrW(msg.hwnd, GWL_STYLE);
  if ((style & WS_CHILD) != 0 && ::GetParent(msg.hwnd) == window) return manager->PreTranslate(msg);
  return false;
}

}  // namespace

bool YdPaintManager::PreTranslate(const MSG& msg) {
  if (accelerators_ != nullptr && window_ != nullptr) {
    MSG copy = msg;
    if (::TranslateAcceleratorW(window_, accelerators_, &copy) != 0) return true;
  }
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam != VK_TAB) return false;
      if (focus_ != nullptr && focus_->IsVisible() && focus_->IsEnabled() && focus_->GetKind() == kKindRichEdit &&
          focus_->WantsTab()) {
        return false;  // a rich edit that takes Tab keeps it
      }
      FocusNextTabStop((::GetKeyState(VK_SHIFT) & 0x8000) == 0);
      return true;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      if (focus_ != nullptr) {
        SendEvent(focus_, msg.message == WM_SYSKEYDOWN ? kEventSysKeyDown : kEventSysKeyUp, nullptr, last_mouse_,
                  msg.wParam, msg.lParam, static_cast<WORD>(msg.wParam), CurrentKeyState());
      }
      return false;
    default:
      return false;
  }
}

bool YdPaintManager::TranslateForModal(const MSG& msg) {
  const std::vector<YdPaintManager*> managers = BoundManagers();
  for (YdPaintManager* m : managers) {
    if (OfferToManager(m, msg)) return true;
  }
  return false;
}

void YdPaintManager::RunMessageLoop() {
  MSG msg{};
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!TranslateForModal(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

}  // namespace ZEPHYRA_NAMESPACE
