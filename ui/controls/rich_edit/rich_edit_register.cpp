// rich_edit_register.cpp -- makes "RichEdit" an element of the skin format.
#include "ui/control/control_factory.h"
#include "ui/controls/rich_edit/rich_edit.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterRichEditControls() { RegisterControlClass(L"RichEdit", &MakeControl<YdRichEdit>); }

}  // namespace ZEPHYRA_NAMESPACE
