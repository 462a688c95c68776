// menu.cpp -- YdMenu's window size and YdMenuElement's submenu items: kept
// apart from its face, lent to a submenu window and taken back.
#include "ui/controls/popup/menu.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/popup/menu_wnd.h"
#include "ui/manager/event_types.h"
#include "ui/manager/paint_manager.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class MenuElementAttr : int {
  kSubmenuScrollBarAttributes, kSubmenuAttributes, kSubmenuMaxHeight, kSubmenuElementAttributes,
};

constexpr YdAttributeEntry kMenuElementEntries[] = {
    AttributeEntry("submenudefaultvscrollbarattribute", MenuElementAttr::kSubmenuScrollBarAttributes,
                   YdValueSyntax::kAttributeList),
    AttributeEntry("submenuattribute", MenuElementAttr::kSubmenuAttributes, YdValueSyntax::kAttributeList),
    AttributeEntry("submenumaxheight", MenuElementAttr::kSubmenuMaxHeight, YdValueSyntax::kLength),
    AttributeEntry("submenuelementattribute", MenuElementAttr::kSubmenuElementAttributes,
                   YdValueSyntax::kAttributeList),
};

}  // namespace

YdControl* YdMenu::QueryKind(int kind) {
  if (kind == kKindMenu) return this;
  return YdVerticalLayout::QueryKind(kind);
}

SIZE YdMenu::WindowSize(int maxHeight) const {
  const RECT inset = GetInset();
  int width = GetFixedWidth();
  if (width <= 0) {
    width = DpiScale().Scale(kMenuDefaultWidth);
    for (YdControl* child : children_) width = std::max(width, child->GetFixedWidth());
    width += inset.left + inset.right;
  }
  int height = inset.top + inset.bottom;
  for (YdControl* child : children_) {
    if (!child->IsVisible()) continue;
    height += child->GetFixedHeight() > 0 ? child->GetFixedHeight() : DpiScale().Scale(kMenuDefaultItemHeight);
  }
  if (!children_.empty()) height += child_padding_ * (static_cast<int>(children_.size()) - 1);
  if (maxHeight > 0 && height > maxHeight) height = maxHeight;
  return {width, std::max(height, 1)};
}

YdMenuElement::~YdMenuElement() {
  for (YdMenuElement* item : submenu_) delete item;
}

YdControl* YdMenuElement::QueryKind(int kind) {
  if (kind == kKindMenuElement) return this;
  return YdOption::QueryKind(kind);
}

const YdAttributeTable& YdMenuElement::AttributeTable() {
  static const YdAttributeTable table{kMenuElementEntries, sizeof(kMenuElementEntries) / sizeof(kMenuElementEntries[0]),
                                      &YdOption::AttributeTable()};
  return table;
}

void YdMenuElement::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdOption::ApplyAttribute(key, value);
    return;
  }
  switch (static_cast<MenuElementAttr>(entry->id)) {
    case MenuElementAttr::kSubmenuScrollBarAttributes: vbar_attrs_ = value; break;
    case MenuElementAttr::kSubmenuAttributes: submenu_attrs_ = value; break;
    case MenuElementAttr::kSubmenuMaxHeight:
      max_height_ = ParseEntryValue(*entry, value).number;
      break;
    case MenuElementAttr::kSubmenuElementAttributes: element_attrs_ = value; break;
  }
}

bool YdMenuElement::AddChild(YdControl* control) {
  if (control == nullptr) return false;
  if (YdControl* item = control->QueryKind(kKindMenuElement)) {
    submenu_.push_back(static_cast<YdMenuElement*>(item));
    return true;
  }
  return YdOption::AddChild(control);
}

YdMenuElement* YdMenuElement::SubmenuItem(int index) const {
  return index >= 0 && index < SubmenuCount() ? submenu_[static_cast<size_t>(index)] : nullptr;
}

YdMenu* YdMenuElement::LendSubmenu() {
  if (submenu_.empty()) return nullptr;
  auto* menu = new YdMenu;
  menu->SetAutoDestroy(false);  // the items stay this entry's
  if (!submenu_attrs_.empty()) menu->ApplyAttributeString(submenu_attrs_);
  if (!vbar_attrs_.empty()) menu->ApplyAttribute(L"vscrollbarstyle", vbar_attrs_);
  if (max_height_ > 0) menu->EnableScrollBars(true, false);
  for (YdMenuElement* item : submenu_) {
    if (!element_attrs_.empty()) item->ApplyAttributeString(element_attrs_);
    menu->AddChild(item);
  }
  submenu_.clear();
  submenu_open_ = true;
  return menu;
}

void YdMenuElement::ReturnSubmenu(YdMenu* menu) {
  if (menu == nullptr) return;
  for (int i = 0; i < menu->ChildCount(); ++i) {
    if (YdControl* item = menu->ChildAt(i)->QueryKind(kKindMenuElement)) {
      submenu_.push_back(static_cast<YdMenuElement*>(item));
    }
  }
  menu->RemoveAllChildrenNow();
  for (YdMenuElement* item : submenu_) item->SetManager(nullptr);
  submenu_open_ = false;
}

namespace {

YdMenuWnd* WindowOf(YdPaintManager* manager) {
  if (manager == nullptr || manager->GetWindow() == nullptr) return nullptr;
  return static_cast<YdMenuWnd*>(::GetPropW(manager->GetWindow(), L"YdMenuWnd"));
}

}  // namespace

void YdMenuElement::OnMouseHover(YdEvent& event) {
  YdOption::OnMouseHover(event);
  if (!submenu_.empty() && IsEnabled()) {
    if (YdMenuWnd* window = WindowOf(manager_)) window->OpenSubmenu(this);
  }
}

bool YdMenuElement::Activate(YdEvent& event) {
  if (!HasSubmenu()) return YdOption::Activate(event);
  if (!IsVisible() || !IsEnabled()) return false;
  YdMenuWnd* window = WindowOf(manager_);
  return window != nullptr && !submenu_.empty() && window->OpenSubmenu(this);
}

void YdMenuElement::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdOption::RescaleGeometry(from, to);
  if (from == to) return;
  max_height_ = YdDpiScale::Rescale(max_height_, from, to);
}

}  // namespace ZEPHYRA_NAMESPACE
