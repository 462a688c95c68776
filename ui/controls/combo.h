// combo.h -- YdCombo (element "Combo"): a drop-down. Its children are the
// entries (combo elements, spacers); closed, it shows only itself with the
// chosen entry's text. Activate (a click, or Alt+Down / F4) opens the drop
// box: a popup YdComboWnd below the combo that holds the entries while it is
// open. Choosing an entry closes the box and raises notification 25 with
// wParam = the new index and lParam = the previous one (-1 for none); Up and
// Down on the closed combo step the choice the same way.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/container.h"

namespace ZEPHYRA_NAMESPACE {

class YdComboWnd;

constexpr int kKindCombo = 16;

class YdCombo : public YdContainer {
 public:
  YdCombo();
  ~YdCombo() override;

  int GetKind() const override { return kKindCombo; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  bool Activate(YdEvent& event) override;
  void OnKeyDown(YdEvent& event) override;
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
  // disabled or unattached, or the popup window cannot be made.
  bool OpenDropBox();
  void CloseDropBox();
  bool IsDropBoxOpen() const { return drop_ != nullptr; }
  HWND GetDropBoxWindow() const;

  // The drop box's rectangle in screen coordinates for the current entries.
  RECT DropBoxRect() const;

  const std::wstring& GetDropBoxAttributes() const { return dropbox_attrs_; }
  SIZE GetDropBoxSize() const { return dropbox_size_; }
  bool IsReadOnly() const { return readonly_; }
  bool IsVerticalDropBox() const { return vertical_box_; }
  int GetDefaultElementHeight() const { return default_element_height_; }
  int GetDefaultElementWidth() const { return default_element_width_; }

 private:
  friend class YdComboWnd;
  // Called by the popup as its window goes: takes back the entries it held
  // and chooses entry `chosen` (-1: none was clicked).
  void BoxClosed(YdComboWnd* from, int chosen);

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
