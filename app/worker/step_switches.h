// step_switches.h -- which install steps run, from the mode value.
#pragma once

#include "app/startup/mode_flags.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Every switch is on unless a skip bit of the mode clears it; the core
// service step has no bit and always runs.
struct StepSwitches {
  bool unpack = true;
  bool service = true;
  bool driver = true;
  bool registration = true;
  bool shortcuts = true;
};

StepSwitches StepSwitchesFromMode(ModeFlags mode);
// The Unattended bit: install over the previous installation, no window.
bool IsUnattendedMode(ModeFlags mode);

}  // namespace ZEPHYRA_NAMESPACE
