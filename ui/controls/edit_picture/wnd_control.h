// wnd_control.h -- YdWndControl (element "WndControl"): a part of the skin
// shown in a child window of its own that stands in the control tree as a
// control. The skin builder hands it where the skin came from and its id
// and leaves its XML children unbuilt; when the control is first placed it
// creates the child window over its rectangle, whose paint manager builds
// the element's children (as if they were a <Window>). The window follows
// the control's rectangle and visibility, the notifications raised inside
// it are passed on to the outer window's listeners, and it is destroyed
// with the control.
#pragma once

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/control/control.h"
#include "ui/window/window_impl_base.h"
#include "ui/window/window_part.h"

namespace ZEPHYRA_NAMESPACE {

class YdWndControl : public YdControl, public YdWindowImplBase, public IYdWindowControlReceiver {
 public:
  YdWndControl() = default;
  ~YdWndControl() override;

  // IYdWindowControlReceiver
  void ReceiveWindowControlInfo(const YdWindowControlInfo& info) override;
  IYdWindowControlReceiver* WindowControlReceiver() override { return this; }
  const YdWindowControlInfo& GetWindowControlInfo() const { return info_; }

  void SetPosition(const RECT& rc) override;
  void SetVisible(bool visible) override;
  // The child window is shown exactly while the control and its containers are.
  void OnAncestorVisibilityChanged() override;

  // YdWindowWnd / YdWindowImplBase
  const wchar_t* QueryClassName() const override { return L"ZephyraWndControl"; }
  UINT QueryClassStyle() const override { return CS_DBLCLKS; }
  LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  void Notify(YdNotifyMsg& msg) override;

  // The child window (null before the first placement or without skin data).
  HWND GetWindow() const { return GetHWND(); }
  // The inner tree's manager.
  YdPaintManager& InnerManager() { return GetPaintManager(); }

 private:
  YdWindowControlInfo info_;
  bool have_info_ = false;
};

}  // namespace ZEPHYRA_NAMESPACE
