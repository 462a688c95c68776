// step_switches.cpp -- mode bits to step switches.
#include "app/worker/step_switches.h"

namespace ZEPHYRA_NAMESPACE {

StepSwitches StepSwitchesFromMode(ModeFlags mode) {
  StepSwitches switches;
  switches.registration = (mode & kSkipRegistration) == 0;
  switches.unpack = (mode & kSkipUnpack) == 0;
  switches.driver = (mode & kSkipDriver) == 0;
  switches.shortcuts = (mode & kSkipShortcuts) == 0;
  return switches;
}

bool IsUnattendedMode(ModeFlags mode) { return (mode & kUnattended) != 0; }

}  // namespace ZEPHYRA_NAMESPACE
