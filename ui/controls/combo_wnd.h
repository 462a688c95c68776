// combo_wnd.h -- YdComboWnd, the drop box of a combo: a popup skinned window
// whose root layout ("dropbox" attribute list, "layout" direction) holds the
// combo's entries while it is open. A click on an entry chooses it; Escape,
// losing activation or the combo closing it give the entries back unchosen.
// The object deletes itself when its window is gone.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/core/event_types.h"
#include "ui/core/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {

class YdCombo;
class YdContainer;

class YdComboWnd : public YdWindowImplBase {
 public:
  // Creates the popup at `screen` (owned by the combo's window) holding the
  // combo's entries; null when the window cannot be made.
  static YdComboWnd* Open(YdCombo* combo, const RECT& screen);
  // Destroys the window at once (the entries go back to the combo).
  void CloseNow();
  void Notify(YdNotifyMsg& msg) override;
  YdContainer* GetRootLayout() const { return root_; }

 protected:
  const wchar_t* QueryClassName() const override { return L"YdComboWnd"; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool& handled) override;
  LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool& handled) override;
  void OnFinalDestroy(HWND) override {
    if (gone_ != nullptr) *gone_ = true;
    delete this;
  }

 private:
  explicit YdComboWnd(YdCombo* combo) : combo_(combo) {}
  bool Populate();

  YdCombo* combo_;
  YdContainer* root_ = nullptr;
  bool closing_ = false;
  // Set by OnFinalDestroy while Create runs: a window that failed after
  // WM_NCCREATE has deleted its object already.
  bool* gone_ = nullptr;
  int chosen_ = -1;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
