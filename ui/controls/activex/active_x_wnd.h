// active_x_wnd.h -- YdActiveXWnd: the child window a windowed ActiveX
// object lives in. It sits on the host control's rectangle in the skinned
// window, follows its placement and visibility, hands the keyboard focus on
// to the object's own window, and is destroyed with its object.
#pragma once

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/window/window_wnd.h"

namespace ZEPHYRA_NAMESPACE {

class YdActiveXWnd : public YdWindowWnd {
 public:
  YdActiveXWnd() = default;
  ~YdActiveXWnd() override;

  // Creates the window as a child of `parent` at `rc`; null on failure.
  HWND CreateHost(HWND parent, const RECT& rc, bool visible);
  // The window that gets the focus when this one does (the object's own).
  void SetFocusTarget(HWND target) { focus_target_ = target; }

  const wchar_t* QueryClassName() const override { return L"ZephyraActiveXHost"; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND focus_target_ = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE
