// launch_step.cpp -- shell starts of the reporter, pkrep.exe and the product.
#include "app/install/launch_step.h"

#include <windows.h>
#include <shellapi.h>

#include "app/install/install_log.h"
#include "app/install/install_paths.h"
#include "common/format.h"
#include "common/scoped_handle.h"

namespace ZEPHYRA_NAMESPACE {

static_assert(kShowHidden == SW_HIDE && kShowNormal == SW_SHOW, "show commands match the Win32 values");

bool ShellStart(const LaunchPlan& plan) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  // No error dialog: a program that cannot start is not reported to the user,
  // and a dialog would hold the install thread until someone closes it.
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = plan.file.c_str();
  info.lpParameters = plan.parameters.c_str();
  info.lpDirectory = nullptr;
  info.nShow = plan.showCommand;
  const bool started = ::ShellExecuteExW(&info) != FALSE;
  const DWORD error = started ? 0 : ::GetLastError();
  ScopedHandle process(info.hProcess);  // kept by the shell, released here
  LogEvent(L"start: \"" + plan.file + L"\" " + plan.parameters +
           (started ? std::wstring(L" (started)") : L" (not started, system error " + WideDecimal(error) + L")"));
  return started;
}

bool LaunchProduct(const std::wstring& install_dir) {
  ::SetCurrentDirectoryW(InstallDirText(install_dir).c_str());
  return ShellStart(ProductLaunchPlan(install_dir));
}

void ReportInstall(const std::wstring& install_dir) {
  for (const auto& plan : ReportInstallPlans(install_dir)) ShellStart(plan);
}

bool ReportAutoUpdateInstall(const std::wstring& install_dir) {
  const std::wstring dir = InstallDirText(install_dir);
  ::OutputDebugStringW(dir.c_str());
  const DWORD attributes = ::GetFileAttributesW(dir.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    ::OutputDebugStringW(L"\r\n");
    ::OutputDebugStringW(L"error path:");
    ::OutputDebugStringW(dir.c_str());
    ::OutputDebugStringW(L"\r\n");
    return false;
  }
  const auto plans = ReportAutoUpdateInstallPlans(install_dir);
  if (!ShellStart(plans[0])) ::OutputDebugStringW(L"Create ydn_reporter_routine error");
  if (!ShellStart(plans[1])) ::OutputDebugStringW(L"Create pkpre error");
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
