// basic_controls.cpp -- element creators of the label, button, option,
// progress and circle progress classes.
#include "ui/controls/basic_controls.h"

#include "ui/controls/button.h"
#include "ui/controls/circle_progress.h"
#include "ui/controls/control_factory.h"
#include "ui/controls/label.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

YdControl* CreateLabel() { return new YdLabel; }
YdControl* CreateButton() { return new YdButton; }
YdControl* CreateOption() { return new YdOption; }
YdControl* CreateProgress() { return new YdProgress; }
YdControl* CreateCircleProgress() { return new YdCircleProgress; }

}  // namespace

void RegisterBasicControls() {
  RegisterControlClass(L"Label", &CreateLabel);
  RegisterControlClass(L"Button", &CreateButton);
  RegisterControlClass(L"Option", &CreateOption);
  RegisterControlClass(L"Progress", &CreateProgress);
  RegisterControlClass(L"CircleProgress", &CreateCircleProgress);
}

}  // namespace ZEPHYRA_NAMESPACE
