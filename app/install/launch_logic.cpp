// launch_logic.cpp -- reporter, pkrep.exe and product starts.
#include "app/install/launch_logic.h"

#include "app/install/install_paths.h"

namespace ZEPHYRA_NAMESPACE {

const wchar_t kReportHost[] = L"report.zephyra.example";

namespace {

std::vector<LaunchPlan> ReportPlans(const std::wstring& install_dir, const std::wstring& action,
                                    const std::wstring& pkrep_argument) {
  return {
      {InstallFilePath(install_dir, L"ydn_reporter_routine.exe"),
       std::wstring(L"--url ") + kReportHost + L"/zephyra.php -p a=" + action + L"&s=N/A", kShowHidden},
      {InstallFilePath(install_dir, L"pkrep.exe"), pkrep_argument, kShowHidden},
  };
}

}  // namespace

LaunchPlan ProductLaunchPlan(const std::wstring& install_dir) {
  return {InstallFilePath(install_dir, L"Zephyra.exe"), L"-setup", kShowNormal};
}

std::vector<LaunchPlan> ReportInstallPlans(const std::wstring& install_dir) {
  return ReportPlans(install_dir, L"INSTALL", L"install");
}

std::vector<LaunchPlan> ReportAutoUpdateInstallPlans(const std::wstring& install_dir) {
  return ReportPlans(install_dir, L"AutoUpdInstall", L"AutoUpdInstall");
}

}  // namespace ZEPHYRA_NAMESPACE
