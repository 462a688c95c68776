// menu_wnd.h -- YdMenuWnd, a popup menu window showing a YdMenu. A click on
// an entry without submenu reports it to the listener given to Popup (a
// notification 2 whose sender is the entry, raised while the entry still
// exists) and closes the whole chain of menu windows; an entry with a
// submenu opens a child menu window at its right edge. Activating a window
// outside the chain closes them all.
//
// Keys, in the window that has them (the innermost one): Up/Down move the
// hot entry over the visible, enabled entries, wrapping at the ends;
// Home/End go to the first/last. Right or Return on an entry with a
// submenu opens it with its first entry hot; Return on a plain entry
// chooses it exactly as a click does. Left (in a submenu) or Escape closes
// the innermost window and makes its entry in the parent window hot again;
// Escape in the top window closes it. A letter moves to the next entry whose
// accelerator it is (the letter after "&" in the text, else the text's
// first letter); when only one entry has it, that entry is chosen (or its
// submenu opened) at once.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/manager/event_types.h"
#include "ui/window/window_impl_base.h"

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
  // The hot entry's index in the menu, -1 for none.
  int GetHotEntry() const { return hot_; }
  // Marks entry `index` hot (and no other) and scrolls a menu capped by
  // "submenumaxheight" to show it; ignored for an index that is no entry.
  void SetHotEntry(int index);
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
  LRESULT OnChar(UINT, WPARAM, LPARAM, bool& handled) override;
  void OnFinalDestroy(HWND) override {
    if (gone_ != nullptr) *gone_ = true;
    delete this;
  }

 private:
  YdMenuWnd(YdMenu* menu, INotify* listener) : menu_(menu), listener_(listener) {}
  static YdMenuWnd* Make(HWND owner, YdMenu* menu, RECT screen, INotify* listener, YdMenuWnd* parent,
                         YdMenuElement* lender);
  bool InChain(HWND window) const;
  // The hot entry, or the one the pointer made hot since.
  int CurrentEntry() const;
  // Opens the submenu of entry `index` with its first entry hot, or
  // chooses the entry when it has none (`choosePlain`).
  void Enter(int index, bool choosePlain);
  // Closes this submenu window; its entry in the parent becomes hot.
  void Back();

  YdMenu* menu_;
  INotify* listener_;
  YdMenuWnd* parent_ = nullptr;
  YdMenuWnd* child_ = nullptr;
  // The entry of the parent window whose submenu this window shows.
  YdMenuElement* lender_ = nullptr;
  bool closing_ = false;
  int hot_ = -1;
  // Closed by the keyboard: the parent's entry gets the highlight back.
  bool back_ = false;
  // Set by OnFinalDestroy while Create runs: a window that failed after
  // WM_NCCREATE has deleted its object already.
  bool* gone_ = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
