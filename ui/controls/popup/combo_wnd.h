// combo_wnd.h -- YdComboWnd, the drop box of a combo: a popup skinned window
// holding the combo's entries while it is open. Where the box goes and how
// the entries sit in it (a column, a grid of "dropboxcolumn" columns or one
// row for "layout" horizontal; spacer strips; the "more" row) is planned by
// PlanComboBox; this window only applies the plan. The spacers are
// YdComboSpace controls made for the box and styled by the combo's "space"
// attribute list; the "more" row is a button with the combo's "more" text
// that shows the next page of entries when clicked. "dropboxroundcorner"
// gives the window a rounded region, "dropboxlayeredwindow" makes it a
// layered window painted with per-pixel alpha.
//
// Keys in the box: Up/Left and Down/Right move the hot entry (the ends
// hold), Home/End go to the first/last entry, PageUp/PageDown move by the
// entries shown; the shown page follows the hot entry. Return chooses the
// hot entry (the one under the pointer when the pointer moved last), Escape
// or F4 close without a choice; the wheel scrolls the page by one entry; a
// typed letter makes the next entry starting with it hot.
// A click on an entry chooses it; losing activation or the combo closing
// the box give the entries back unchosen. The object deletes itself when
// its window is gone.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <vector>

#include "common/yd_namespace.h"
#include "ui/controls/popup/combo_box_logic.h"
#include "ui/manager/event_types.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {

class YdCombo;
class YdContainer;
class YdControl;

class YdComboWnd : public YdWindowImplBase {
 public:
  // Creates the popup (owned by the combo's window) holding the combo's
  // entries, placed by the combo's keys; null when the window cannot be
  // made.
  static YdComboWnd* Open(YdCombo* combo);
  // Destroys the window at once (the entries go back to the combo).
  void CloseNow();
  void Notify(YdNotifyMsg& msg) override;
  YdContainer* GetRootLayout() const { return root_; }
  // The plan in force (box rectangle, cells, shown page).
  const YdComboBoxPlan& GetPlan() const { return plan_; }
  // The hot entry (an index of the combo's entries), -1 for none.
  int GetHotEntry() const { return hot_; }
  // Makes entry `index` hot and brings it into the shown page.
  void SetHotEntry(int index);
  // Shows the entries from `first` on.
  void ShowFrom(int first);
  // The spacers and the "more" button made for the box.
  const std::vector<YdControl*>& GetSpacers() const { return spacers_; }
  YdControl* GetMoreButton() const { return more_; }

 protected:
  const wchar_t* QueryClassName() const override { return L"YdComboWnd"; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool& handled) override;
  LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool& handled) override;
  LRESULT OnMouseWheel(UINT, WPARAM, LPARAM, bool& handled) override;
  LRESULT OnChar(UINT, WPARAM, LPARAM, bool& handled) override;
  void OnFinalDestroy(HWND) override {
    if (gone_ != nullptr) *gone_ = true;
    delete this;
  }

 private:
  explicit YdComboWnd(YdCombo* combo) : combo_(combo) {}
  bool Populate();
  // Plans again with the current first entry and places every control.
  void Replan();
  void ShapeWindow();
  // The hot entry, or the one the pointer made hot since.
  int CurrentEntry() const;

  YdCombo* combo_;
  YdContainer* root_ = nullptr;
  std::vector<YdControl*> entries_;   // the combo's, lent while the box is open
  std::vector<YdControl*> spacers_;   // made for the box
  YdControl* more_ = nullptr;         // made for the box when "more" is set
  YdRect anchor_;
  YdRect work_;
  YdComboBoxKeys keys_;
  YdComboBoxPlan plan_;
  int hot_ = -1;
  bool closing_ = false;
  // Set by OnFinalDestroy while Create runs: a window that failed after
  // WM_NCCREATE has deleted its object already.
  bool* gone_ = nullptr;
  int chosen_ = -1;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
