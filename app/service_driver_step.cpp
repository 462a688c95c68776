// service_driver_step.cpp -- runs the service and driver command lines.
#include "app/service_driver_step.h"

#include <windows.h>

#include "app/cancel_signal.h"
#include "app/child_process.h"
#include "app/windows_platform.h"

namespace ZEPHYRA_NAMESPACE {

bool InstallCoreService(const InstallJob& job) {
  if (RunAndWait(CoreServiceCommandLine(job.install_dir), job.cancel) == ChildRun::kNotStarted) {
    ::OutputDebugStringW(L"Error install service");
    return false;
  }
  ::OutputDebugStringW(L"Succeed install service");
  return true;
}

bool InstallNatDriver(const InstallJob& job) { return InstallNatDriverOn(job, CurrentWindowsPlatform()); }

bool InstallNatDriverOn(const InstallJob& job, const WindowsPlatform& platform) {
  for (const auto& command_line : NatDriverCommandLines(job.install_dir, platform)) {
    if (RunAndWait(command_line, job.cancel) == ChildRun::kCancelled) break;  // the setup is ending
  }
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
