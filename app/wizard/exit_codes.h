// exit_codes.h -- the exit codes of the setup process. Scripts and tests
// read them, so a number keeps its meaning: numbers are never reused, and
// a code that goes out of use leaves its number empty.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

enum SetupExitCode : int {
  kExitOk = 0,                  // installed, or closed by the user, or another setup runs
  kExitExtractionFailed = 2,    // the payload could not be written
  kExitNoPreviousInstall = 3,   // unattended mode found no previous installation
  kExitWindowFailed = 4,        // the wizard's window could not be created (no skin)
  kExitBadInstallFolder = 5,    // unattended: the previous installation's folder breaks a folder rule
};

}  // namespace ZEPHYRA_NAMESPACE
