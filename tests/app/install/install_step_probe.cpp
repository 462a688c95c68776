// install_step_probe.cpp -- runs one install step in a process of its own, so
// that a test can give it a Windows version of its own (Wine's per-program
// version setting).
//   install_step_probe platform                exit code: major x 10 + (64-bit ? 1 : 0)
//   install_step_probe registration DIR 0|1    WriteRegistration, autostart 0|1;
//                                              exit code 1 when it returned true
//   install_step_probe driver DIR              InstallNatDriver; exit code 1 when true
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/install/install_job.h"
#include "app/install/registration_step.h"
#include "app/install/service_driver_step.h"
#include "app/install/windows_platform.h"

int main() {
  using namespace ZEPHYRA_NAMESPACE;
  int argc = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  if (!argv || argc < 2) return 100;
  const std::wstring command = argv[1];
  int code = 101;
  if (command == L"platform") {
    code = WindowsMajorVersion() * 10 + (Is64BitWindows() ? 1 : 0);
  } else if (command == L"registration" && argc == 4) {
    InstallJob job;
    job.installDir = argv[2];
    job.autostart = std::wstring(argv[3]) == L"1";
    code = WriteRegistration(job) ? 1 : 0;
  } else if (command == L"driver" && argc == 3) {
    InstallJob job;
    job.installDir = argv[2];
    code = InstallNatDriver(job) ? 1 : 0;
  }
  ::LocalFree(argv);
  return code;
}
