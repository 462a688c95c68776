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
  explicit YdEditWnd(YdEdit* owner) : owner_(owner) { ++live_; }
  ~YdEditWnd() override { --live_; }

  // Creates the window over the owner's position in the manager's window
  // and focuses it; false on failure (no window is left, and the caller
  // deletes this object). Once open, the object deletes itself when its
  // window is destroyed.
  bool Open(HWND parent, const RECT& rc);
  // Edit window objects alive in the process (none leaks, none dies twice).
  static int LiveCount() { return live_; }
  // Detaches from the owner (the owner is going away) and closes.
  void Abandon();

  const wchar_t* QueryClassName() const override { return L"ZephyraEditWnd"; }
  const wchar_t* QuerySuperclassName() const override { return L"EDIT"; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalDestroy(HWND) override;

 private:
  std::wstring WindowText() const;
  void Finish();

  static int live_;
  YdEdit* owner_;
  bool opened_ = false;
  bool finished_ = false;
  ScopedBrush brush_;
};

}  // namespace ZEPHYRA_NAMESPACE
