// popup_controls.cpp -- element creators of the drop-down, banner and
// advert classes, and of the menu.
#include "ui/controls/popup_controls.h"

#include "ui/controls/advert.h"
#include "ui/controls/banner.h"
#include "ui/controls/combo.h"
#include "ui/controls/combo_parts.h"
#include "ui/controls/control_factory.h"
#include "ui/controls/menu.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

YdControl* CreateCombo() { return new YdCombo; }
YdControl* CreateComboElement() { return new YdComboElement; }
YdControl* CreateComboBuddy() { return new YdComboBuddy; }
YdControl* CreateBanner() { return new YdBanner; }
YdControl* CreateAdvert() { return new YdAdvert; }
YdControl* CreateMenu() { return new YdMenu; }
YdControl* CreateMenuElement() { return new YdMenuElement; }

}  // namespace

void RegisterPopupControls() {
  RegisterControlClass(L"Combo", &CreateCombo);
  RegisterControlClass(L"ComboElement", &CreateComboElement);
  RegisterControlClass(L"ComboBuddy", &CreateComboBuddy);
  RegisterControlClass(L"Banner", &CreateBanner);
  RegisterControlClass(L"Advert", &CreateAdvert);
  RegisterControlClass(L"Menu", &CreateMenu);
  RegisterControlClass(L"MenuElement", &CreateMenuElement);
}

}  // namespace ZEPHYRA_NAMESPACE
