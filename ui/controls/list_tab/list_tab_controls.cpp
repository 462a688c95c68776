// list_tab_controls.cpp -- element creators of the slider, tab control, tab
// item, list and list element classes.
#include "ui/controls/list_tab/list_tab_controls.h"

#include "ui/control/control_factory.h"
#include "ui/controls/list_tab/list.h"
#include "ui/controls/list_tab/list_element.h"
#include "ui/controls/list_tab/slide.h"
#include "ui/controls/list_tab/tab_ctrl.h"
#include "ui/controls/list_tab/tab_item.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterListAndTabControls() {
  RegisterControlClass(L"Slide", &MakeControl<YdSlide>);
  RegisterControlClass(L"TabCtrl", &MakeControl<YdTabCtrl>);
  RegisterControlClass(L"TabItem", &MakeControl<YdTabItem>);
  RegisterControlClass(L"List", &MakeControl<YdList>);
  RegisterControlClass(L"ListElement", &MakeControl<YdListElement>);
}

}  // namespace ZEPHYRA_NAMESPACE
