// popup_controls.cpp -- element creators of the drop-down, banner and
// advert classes, and of the menu.
#include "ui/controls/popup/popup_controls.h"

#include "ui/controls/popup/advert.h"
#include "ui/controls/popup/banner.h"
#include "ui/controls/popup/combo.h"
#include "ui/controls/popup/combo_parts.h"
#include "ui/control/control_factory.h"
#include "ui/controls/popup/menu.h"

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
