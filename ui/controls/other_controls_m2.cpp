// other_controls_m2.cpp -- element creators of the drop-down, banner and
// advert classes.
#include "ui/controls/other_controls_m2.h"

#include "ui/controls/advert.h"
#include "ui/controls/banner.h"
#include "ui/controls/combo.h"
#include "ui/controls/combo_parts.h"
#include "ui/controls/control_factory.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

YdControl* CreateCombo() { return new YdCombo; }
YdControl* CreateComboElement() { return new YdComboElement; }
YdControl* CreateComboBuddy() { return new YdComboBuddy; }
YdControl* CreateBanner() { return new YdBanner; }
YdControl* CreateAdvert() { return new YdAdvert; }

}  // namespace

void RegisterOtherControlsm2() {
  RegisterControlClass(L"Combo", &CreateCombo);
  RegisterControlClass(L"ComboElement", &CreateComboElement);
  RegisterControlClass(L"ComboBuddy", &CreateComboBuddy);
  RegisterControlClass(L"Banner", &CreateBanner);
  RegisterControlClass(L"Advert", &CreateAdvert);
}

}  // namespace ZEPHYRA_NAMESPACE
