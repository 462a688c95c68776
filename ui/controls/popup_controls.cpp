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

void RegisterPopupControls() {
  RegisterControlClass(L"Combo", &MakeControl<YdCombo>);
  RegisterControlClass(L"ComboElement", &MakeControl<YdComboElement>);
  RegisterControlClass(L"ComboBuddy", &MakeControl<YdComboBuddy>);
  RegisterControlClass(L"Banner", &MakeControl<YdBanner>);
  RegisterControlClass(L"Advert", &MakeControl<YdAdvert>);
  RegisterControlClass(L"Menu", &MakeControl<YdMenu>);
  RegisterControlClass(L"MenuElement", &MakeControl<YdMenuElement>);
}

}  // namespace ZEPHYRA_NAMESPACE
