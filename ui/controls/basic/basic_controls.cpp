// basic_controls.cpp -- element creators of the label, button, option,
// progress and circle progress classes.
#include "ui/controls/basic/basic_controls.h"

#include "ui/controls/basic/button.h"
#include "ui/controls/basic/circle_progress.h"
#include "ui/control/control_factory.h"
#include "ui/controls/basic/label.h"
#include "ui/controls/basic/option.h"
#include "ui/controls/basic/progress.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterBasicControls() {
  RegisterControlClass(L"Label", &MakeControl<YdLabel>);
  RegisterControlClass(L"Button", &MakeControl<YdButton>);
  RegisterControlClass(L"Option", &MakeControl<YdOption>);
  RegisterControlClass(L"Progress", &MakeControl<YdProgress>);
  RegisterControlClass(L"CircleProgress", &MakeControl<YdCircleProgress>);
}

}  // namespace ZEPHYRA_NAMESPACE
