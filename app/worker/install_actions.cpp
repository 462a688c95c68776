// install_actions.cpp -- the install steps of this machine behind the
// worker's interface.
#include "app/worker/install_actions.h"

#include "app/install/launch_step.h"
#include "app/install/registration_step.h"
#include "app/install/service_driver_step.h"
#include "app/install/shortcut_step.h"
#include "app/worker/unpack_payload.h"

namespace ZEPHYRA_NAMESPACE {

bool YdMachineInstallActions::UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress) {
  return ::ZEPHYRA_NAMESPACE::UnpackPayload(job, progress);
}

bool YdMachineInstallActions::InstallCoreService(const InstallJob& job) {
  return ::ZEPHYRA_NAMESPACE::InstallCoreService(job);
}

bool YdMachineInstallActions::InstallNatDriver(const InstallJob& job) {
  return ::ZEPHYRA_NAMESPACE::InstallNatDriver(job);
}

bool YdMachineInstallActions::WriteRegistration(const InstallJob& job) {
  return ::ZEPHYRA_NAMESPACE::WriteRegistration(job);
}

bool YdMachineInstallActions::CreateShortcuts(const InstallJob& job) {
  return ::ZEPHYRA_NAMESPACE::CreateShortcuts(job);
}

void YdMachineInstallActions::ReportInstall(const InstallJob& job) { ::ZEPHYRA_NAMESPACE::ReportInstall(job.install_dir); }

void YdMachineInstallActions::ReportAutoUpdateInstall(const InstallJob& job) {
  ::ZEPHYRA_NAMESPACE::ReportAutoUpdateInstall(job.install_dir);
}

void YdMachineInstallActions::LaunchProduct(const InstallJob& job) {
  ::ZEPHYRA_NAMESPACE::LaunchProduct(job.install_dir);
}

}  // namespace ZEPHYRA_NAMESPACE
