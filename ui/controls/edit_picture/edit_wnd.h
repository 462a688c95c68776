// edit_wnd.h -- YdEditWnd: the native EDIT window (a superclass of the
// system class) that YdEdit shows over itself while the user types. It
// takes the edit's text, limit, password and read-only settings and its
// native background colour, and on losing the focus hands the text back
// and closes itself; Return and Esc end the editing too.
#pragma once

#include <windows.h>

#include <string>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/window/window_wnd.h"

namespace ZEPHYRA_NAMESPACE {

class YdEdit;

class YdEditWnd : public YdWindowWnd {
 public:
  explicit YdEditWnd(YdEdit* owner) : owner_(owner) {}

  // Creates the window over the owner's position in the manager's window
  // and focuses it; false (and nothing created) on failure.
  bool Open(HWND parent, const RECT& rc);
  // Detaches from the owner (the owner is going away) and closes.
  void Abandon();

  const wchar_t* QueryClassName() const override { return L"ZephyraEditWnd"; }
  const wchar_t* QuerySuperclassName() const override { return L"EDIT"; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalDestroy(HWND) override;

 private:
  std::wstring WindowText() const;
  void Finish();

  YdEdit* owner_;
  bool finished_ = false;
  ScopedBrush brush_;
};

}  // namespace ZEPHYRA_NAMESPACE
