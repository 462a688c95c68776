// active_x_controls.cpp -- element names of the ActiveX host and the web
// browser.
#include "ui/controls/activex/active_x_controls.h"

#include "ui/controls/activex/active_x.h"
#include "ui/control/control_factory.h"
#include "ui/controls/activex/web_browser.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterActiveXControls() {
  RegisterControlClass(L"ActiveX", &MakeControl<YdActiveX>);
  RegisterControlClass(L"WebBrowser", &MakeControl<YdWebBrowser>);
}

}  // namespace ZEPHYRA_NAMESPACE
