// combo.h -- YdCombo (element "Combo"): a drop-down. Its children are the
// entries (combo elements, spacers); closed, it shows only itself with the
// chosen entry's text. Activate (a click, or Alt+Down / F4) opens the drop
// box: a popup YdComboWnd that holds the entries while it is open. Choosing
// an entry closes the box and raises notification 25 with wParam = the new
// index and lParam = the previous one (-1 for none). On the closed combo,
// Up/Down step the choice to the previous/next enabled entry, Home/End go
// to the first/last, and the wheel over it steps it too (down = next); the
// ends hold. Typing a letter chooses the next entry starting with it.
//
// The box's keys: "dropboxsize" "cx,cy" (0 parts: the combo's width, the
// entries' height); "dropboxautoheight" shrinks a "dropboxsize" height to
// the entries; "dropboxcolumn" n lays the entries out in a grid of n
// columns; "layout" "horizontal" puts them in one row; "defaultelementwidth"
// / "defaultelementheight" size entries that set no size (else a column's
// width and the combo's height); "spacewidth" / "spaceheight" put spacer
// strips (YdComboSpace, styled by the "space" attribute list) between the
// entries of a row / between rows; "dropboxspace" "l,t,r,b" moves the box
// right by l and leaves a gap of t below the combo (of b when the box is
// above it); "autocenter" centres the box under the combo. The box opens
// below the combo, or above it with "direct" "true" / "up"; it takes the
// other side when it does not fit on that one, and stays in the work area.
// Entries that do not fit are paged: "more" is the text of a last row that
// shows the next page. "dropboxroundcorner" "cx,cy" rounds the box window's
// corners; "dropboxlayeredwindow" makes it a layered window. "readonly"
// "true" makes the choice read-only for the user: the box does not open
// and neither keys, typing nor the wheel change it (SelectItem still
// works).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/controls/popup/combo_box_logic.h"
#include "ui/controls/containers/container.h"

namespace ZEPHYRA_NAMESPACE {

class YdComboWnd;

class YdCombo : public YdContainer {
 public:
  YdCombo();
  ~YdCombo() override;

  int GetKind() const override { return kKindCombo; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The combo's own keys; its base is the container's table.
  static const YdAttributeTable& AttributeTable();
  bool Activate(YdEvent& event) override;
  void OnKeyDown(YdEvent& event) override;
  void OnMouseWheel(YdEvent& event) override;
  // A typed letter chooses the next entry whose text starts with it (or
  // whose "&" letter it is), as in the menus.
  void OnChar(YdEvent& event) override;
  void Initialize() override;
  // Closed, the combo paints and hit-tests as a single control.
  void Paint(HDC dc, const RECT& dirty) override;
  YdControl* FindMatching(YdFindProc proc, void* data, unsigned flags) override;

  // The index of the chosen entry, -1 for none.
  int GetCurSel() const { return cur_sel_; }
  // Chooses entry `index` (a combo element), shows its text and raises 25
  // when the choice changed. False for an index that is no combo element.
  bool SelectItem(int index);
  // Index of the combo element after (step 1) or before (-1) `from`, -1
  // when there is none.
  int NextElement(int from, int step) const;

  // Opens the drop box; false when it is open already, the combo is
  // disabled, read-only or unattached, or the popup window cannot be made.
  bool OpenDropBox();
  void CloseDropBox();
  bool IsDropBoxOpen() const { return drop_ != nullptr; }
  HWND GetDropBoxWindow() const;
  YdComboWnd* GetDropBox() const { return drop_; }

  // The drop box's rectangle in screen coordinates for the current entries.
  RECT DropBoxRect() const;
  // What the drop box plan starts from: the combo in screen coordinates,
  // the work area of its monitor, and its keys.
  YdRect ScreenAnchor() const;
  YdRect WorkArea() const;
  YdComboBoxKeys BoxKeys() const;

  const std::wstring& GetDropBoxAttributes() const { return dropbox_attrs_; }
  SIZE GetDropBoxSize() const { return dropbox_size_; }
  bool IsReadOnly() const { return readonly_; }
  bool IsVerticalDropBox() const { return vertical_box_; }
  int GetDefaultElementHeight() const { return default_element_height_; }
  int GetDefaultElementWidth() const { return default_element_width_; }
  SIZE GetDropBoxRoundCorner() const { return dropbox_round_; }
  bool IsDropBoxLayered() const { return dropbox_layered_; }
  bool IsUpward() const { return direct_; }
  const std::wstring& GetSpaceAttributes() const { return space_; }
  const std::wstring& GetMoreText() const { return more_; }

 private:
  friend class YdComboWnd;
  // Called by the popup as its window goes: takes back the entries it held
  // and chooses entry `chosen` (-1: none was clicked).
  void BoxClosed(YdComboWnd* from, int chosen, const std::vector<YdControl*>& entries);
  // Steps the choice for a key of the closed combo; false when nothing
  // changed.
  bool StepChoice(int navKey);

  YdComboWnd* drop_ = nullptr;
  int cur_sel_ = -1;
  std::wstring dropbox_attrs_;
  SIZE dropbox_size_{0, 150};
  SIZE dropbox_round_{0, 0};
  int dropbox_column_ = 1;
  bool dropbox_layered_ = false;
  bool readonly_ = false;
  bool dropbox_auto_height_ = false;
  bool direct_ = false;
  std::wstring space_;
  int space_width_ = 0;
  int space_height_ = 0;
  std::wstring more_;
  int default_element_width_ = 0;
  int default_element_height_ = 0;
  bool auto_center_ = false;
  RECT dropbox_space_{0, 0, 0, 0};
  bool vertical_box_ = true;
};

}  // namespace ZEPHYRA_NAMESPACE
