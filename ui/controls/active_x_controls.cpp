// active_x_controls.cpp -- element names of the ActiveX host and the web
// browser.
#include "ui/controls/active_x_controls.h"

#include "ui/controls/active_x.h"
#include "ui/controls/control_factory.h"
#include "ui/controls/web_browser.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterActiveXControls() {
  RegisterControlClass(L"ActiveX", &MakeControl<YdActiveX>);
  RegisterControlClass(L"WebBrowser", &MakeControl<YdWebBrowser>);
}

}  // namespace ZEPHYRA_NAMESPACE
