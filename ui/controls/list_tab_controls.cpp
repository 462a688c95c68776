// list_tab_controls.cpp -- element creators of the slider, tab control, tab
// item, list and list element classes.
#include "ui/controls/list_tab_controls.h"

#include "ui/controls/control_factory.h"
#include "ui/controls/list.h"
#include "ui/controls/list_element.h"
#include "ui/controls/slide.h"
#include "ui/controls/tab_ctrl.h"
#include "ui/controls/tab_item.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

YdControl* CreateSlide() { return new YdSlide; }
YdControl* CreateTabCtrl() { return new YdTabCtrl; }
YdControl* CreateTabItem() { return new YdTabItem; }
YdControl* CreateList() { return new YdList; }
YdControl* CreateListElement() { return new YdListElement; }

}  // namespace

void RegisterListAndTabControls() {
  RegisterControlClass(L"Slide", &CreateSlide);
  RegisterControlClass(L"TabCtrl", &CreateTabCtrl);
  RegisterControlClass(L"TabItem", &CreateTabItem);
  RegisterControlClass(L"List", &CreateList);
  RegisterControlClass(L"ListElement", &CreateListElement);
}

}  // namespace ZEPHYRA_NAMESPACE
