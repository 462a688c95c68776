// menu.h -- YdMenu (element "Menu"): the content of a popup menu window, a
// vertical layout of menu elements. YdMenuElement (element "MenuElement"):
// an entry that selects like an option; the menu elements written inside it
// in the skin are its submenu, kept apart from its own face and shown in a
// submenu window (YdMenuWnd) when the pointer rests on the entry, it is
// clicked, or Right/Return reach it from the keyboard (menu_wnd.h has the
// keys of the menu windows). The submenu's container, its elements and its
// vertical scroll bar get the "submenuattribute", "submenuelementattribute"
// and "submenudefaultvscrollbarattribute" lists; "submenumaxheight" caps
// its height (the rest scrolls, following the hot entry).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/controls/containers/linear_layouts.h"
#include "ui/controls/basic/option.h"

namespace ZEPHYRA_NAMESPACE {

class YdMenuWnd;

// Height of an entry that sets none, and the least width, in 96-DPI pixels.
constexpr int kMenuDefaultItemHeight = 24;
constexpr int kMenuDefaultWidth = 150;

class YdMenu : public YdVerticalLayout {
 public:
  int GetKind() const override { return kKindMenu; }
  YdControl* QueryKind(int kind) override;
  // The size the menu window needs: the fixed width (or the widest entry,
  // at least kMenuDefaultWidth) and the entries' heights plus the inset,
  // capped by `maxHeight` when that is above 0.
  SIZE WindowSize(int maxHeight) const;
};

class YdMenuElement : public YdOption {
 public:
  ~YdMenuElement() override;
  int GetKind() const override { return kKindMenuElement; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The menu entry's own keys; its base is the option's table.
  static const YdAttributeTable& AttributeTable();
  // A menu element added to an entry joins its submenu, not its face.
  bool AddChild(YdControl* control) override;
  void OnMouseHover(YdEvent& event) override;
  bool Activate(YdEvent& event) override;

  bool HasSubmenu() const { return !submenu_.empty() || submenu_open_; }
  int SubmenuCount() const { return static_cast<int>(submenu_.size()); }
  YdMenuElement* SubmenuItem(int index) const;
  const std::wstring& GetSubmenuAttributes() const { return submenu_attrs_; }
  const std::wstring& GetSubmenuElementAttributes() const { return element_attrs_; }
  const std::wstring& GetSubmenuScrollBarAttributes() const { return vbar_attrs_; }
  int GetSubmenuMaxHeight() const { return max_height_; }

  // Moves the submenu items into a new YdMenu (styled by the attribute
  // lists) for a submenu window; null when there are none or they are out.
  YdMenu* LendSubmenu();
  // Takes the items of `menu` back (the submenu window is closing).
  void ReturnSubmenu(YdMenu* menu);

 private:
  std::vector<YdMenuElement*> submenu_;
  bool submenu_open_ = false;
  std::wstring submenu_attrs_;
  std::wstring element_attrs_;
  std::wstring vbar_attrs_;
  int max_height_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
