// install_actions.cpp -- the install steps of this machine behind the
// worker's interface; each step's start and result go to the install log.
#include "app/worker/install_actions.h"

#include <windows.h>

#include <string>

#include "app/install/install_log.h"
#include "app/install/launch_step.h"
#include "app/install/registration_step.h"
#include "app/install/service_driver_step.h"
#include "app/install/shortcut_step.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Logs the step's start, then its result and duration.
template <typename Step>
bool LoggedStep(const char* name, Step step) {
  LogEvent(std::string("step ") + name + ": start");
  const ULONGLONG start = ::GetTickCount64();
  const bool result = step();
  LogEvent(std::string("step ") + name + ": " + (result ? "done" : "failed") + " after " +
           std::to_string(::GetTickCount64() - start) + " ms");
  return result;
}

}  // namespace

bool YdMachineInstallActions::UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress) {
  summary_ = UnpackSummary();
  return LoggedStep("unpack", [&] { return ::ZEPHYRA_NAMESPACE::UnpackPayload(job, progress, &summary_); });
}

bool YdMachineInstallActions::InstallCoreService(const InstallJob& job) {
  return LoggedStep("core service", [&] { return ::ZEPHYRA_NAMESPACE::InstallCoreService(job); });
}

bool YdMachineInstallActions::InstallNatDriver(const InstallJob& job) {
  return LoggedStep("network driver", [&] { return ::ZEPHYRA_NAMESPACE::InstallNatDriver(job); });
}

bool YdMachineInstallActions::WriteRegistration(const InstallJob& job) {
  return LoggedStep("registration", [&] { return ::ZEPHYRA_NAMESPACE::WriteRegistration(job); });
}

bool YdMachineInstallActions::CreateShortcuts(const InstallJob& job) {
  return LoggedStep("shortcuts", [&] { return ::ZEPHYRA_NAMESPACE::CreateShortcuts(job); });
}

void YdMachineInstallActions::ReportInstall(const InstallJob& job) {
  LogEvent("report: install");
  ::ZEPHYRA_NAMESPACE::ReportInstall(job.installDir);
}

void YdMachineInstallActions::ReportAutoUpdateInstall(const InstallJob& job) {
  LogEvent("report: update");
  ::ZEPHYRA_NAMESPACE::ReportAutoUpdateInstall(job.installDir);
}

void YdMachineInstallActions::LaunchProduct(const InstallJob& job) {
  LoggedStep("launch", [&] { return ::ZEPHYRA_NAMESPACE::LaunchProduct(job.installDir); });
}

void YdMachineInstallActions::AfterFailedExtraction(const InstallJob& job) {
  if (!summary_.restoredPrevious) return;
  LogEvent("starting the restored previous product again");
  LaunchProduct(job);
}

}  // namespace ZEPHYRA_NAMESPACE
