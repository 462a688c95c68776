// menu_wnd.h -- YdMenuWnd, a popup menu window showing a YdMenu. A click on
// an entry without submenu reports it to the listener given to Popup (a
// notification 2 whose sender is the entry, raised while the entry still
// exists) and closes the whole chain of menu windows; an entry with a
// submenu opens a child menu window at its right edge. Escape closes the
// innermost window; activating a window outside the chain closes them all.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/core/event_types.h"
#include "ui/core/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {

class YdMenu;
class YdMenuElement;

class YdMenuWnd : public YdWindowImplBase {
 public:
  // Shows `menu` (owned by the window from now on) with its top left corner
  // at `screen`, owned by `owner`. Null when the window cannot be made (the
  // menu is deleted then).
  static YdMenuWnd* Popup(HWND owner, YdMenu* menu, POINT screen, INotify* listener);
  // Opens the submenu of `item` (an entry of this window) to its right;
  // an open submenu of another entry closes first. False when the entry has
  // no submenu.
  bool OpenSubmenu(YdMenuElement* item);
  YdMenuWnd* GetSubmenuWindow() const { return child_; }
  YdMenuWnd* GetParentWindow() const { return parent_; }
  YdMenu* GetMenu() const { return menu_; }
  // Destroys this window and its submenus at once.
  void CloseNow();
  // Closes the whole chain, from the topmost parent down.
  void CloseChain();
  void Notify(YdNotifyMsg& msg) override;

 protected:
  const wchar_t* QueryClassName() const override { return L"YdMenuWnd"; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool& handled) override;
  LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool& handled) override;
  void OnFinalDestroy(HWND) override {
    if (gone_ != nullptr) *gone_ = true;
    delete this;
  }

 private:
  YdMenuWnd(YdMenu* menu, INotify* listener) : menu_(menu), listener_(listener) {}
  static YdMenuWnd* Make(HWND owner, YdMenu* menu, RECT screen, INotify* listener, YdMenuWnd* parent,
                         YdMenuElement* lender);
  bool InChain(HWND window) const;

  YdMenu* menu_;
  INotify* listener_;
  YdMenuWnd* parent_ = nullptr;
  YdMenuWnd* child_ = nullptr;
  // The entry of the parent window whose submenu this window shows.
  YdMenuElement* lender_ = nullptr;
  bool closing_ = false;
  // Set by OnFinalDestroy while Create runs: a window that failed after
  // WM_NCCREATE has deleted its object already.
  bool* gone_ = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
