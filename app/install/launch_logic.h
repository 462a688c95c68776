// launch_logic.h -- the programs the setup starts after the install steps:
// the event reporter, pkrep.exe and the product, with their parameters and
// show commands (portable, pure).
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Show commands, with the values of SW_HIDE and SW_SHOW.
constexpr int kShowHidden = 0;
constexpr int kShowNormal = 5;

// Host of the reporting server, given to the reporter without a scheme.
extern const wchar_t kReportHost[];

struct LaunchPlan {
  std::wstring file;
  std::wstring parameters;
  int showCommand = kShowHidden;
  bool operator==(const LaunchPlan& other) const {
    return file == other.file && parameters == other.parameters && showCommand == other.showCommand;
  }
};

// DIR\Zephyra.exe "-setup", shown.
LaunchPlan ProductLaunchPlan(const std::wstring& install_dir);
// The reporter with action INSTALL, then pkrep.exe "install"; both hidden.
std::vector<LaunchPlan> ReportInstallPlans(const std::wstring& install_dir);
// The reporter with action AutoUpdInstall, then pkrep.exe "AutoUpdInstall".
std::vector<LaunchPlan> ReportAutoUpdateInstallPlans(const std::wstring& install_dir);

}  // namespace ZEPHYRA_NAMESPACE
