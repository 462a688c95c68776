// service_driver_step.cpp -- runs the service and driver command lines.
#include "app/install/service_driver_step.h"

#include <windows.h>

#include "app/install/cancel_signal.h"
#include "app/install/child_process.h"
#include "app/install/windows_platform.h"

namespace ZEPHYRA_NAMESPACE {

bool InstallCoreService(const InstallJob& job) {
  const ChildRun run = RunAndWait(CoreServiceCommandLine(job.installDir), job.cancel);
  // The setup is being cancelled: the service may not be installed.
  if (run == ChildRun::kSkipped) return false;
  if (run == ChildRun::kCancelled) {
    ::OutputDebugStringW(L"Cancelled install service");
    return false;
  }
  if (run == ChildRun::kNotStarted) {
    ::OutputDebugStringW(L"Error install service");
    return false;
  }
  ::OutputDebugStringW(L"Succeed install service");
  return true;
}

bool InstallNatDriver(const InstallJob& job) { return InstallNatDriverOn(job, CurrentWindowsPlatform()); }

bool InstallNatDriverOn(const InstallJob& job, const WindowsPlatform& platform) {
  for (const auto& command_line : NatDriverCommandLines(job.installDir, platform)) {
    const ChildRun run = RunAndWait(command_line, job.cancel);
    if (run == ChildRun::kCancelled || run == ChildRun::kSkipped) break;  // the setup is ending
  }
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
