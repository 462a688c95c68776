// window_placeholder.h -- YdWindowPlaceholder (element "PlaceHolder"):
// keeps a native window on the control's rectangle (SetWindowPos) and shown
// or hidden with the control (ShowWindow), gives it the keyboard focus when
// the control gets the focus or the wheel, and closes it (WM_CLOSE) when
// the control goes away.
#pragma once

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"

namespace ZEPHYRA_NAMESPACE {

class YdWindowPlaceholder : public YdContainer {
 public:
  YdWindowPlaceholder() = default;
  ~YdWindowPlaceholder() override;

  void SetNativeWindow(HWND hwnd) override;
  void SetPosition(const RECT& rc) override;
  void SetVisible(bool visible) override;
  void OnAncestorVisibilityChanged() override;
  void OnSetFocus(YdEvent& event) override;
  void OnMouseWheel(YdEvent& event) override;

 private:
  void PlaceWindow();
  // Shows the held window exactly while this control and its containers are.
  void ShowHeldWindow();
};

}  // namespace ZEPHYRA_NAMESPACE
