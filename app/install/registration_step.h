// registration_step.h -- the registration step: uninstall record, App Paths
// entry and autostart (Run value before Windows 6, scheduled task after).
#pragma once

#ifdef _WIN32

#include "app/install/install_job.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Writes the records for the running Windows version. False when the
// uninstall key, the App Paths key or (before Windows 6, autostart chosen)
// the Run key cannot be created; true otherwise. Keys are opened without a
// registry-view flag: a 32-bit setup writes the 32-bit view.
bool WriteRegistration(const InstallJob& job);
// The same for a given Windows major version.
bool WriteRegistrationFor(const InstallJob& job, int windows_major_version);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
