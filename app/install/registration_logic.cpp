// registration_logic.cpp -- the values and the task of the registration step.
#include "app/install/registration_logic.h"

#include "app/install/install_paths.h"

namespace ZEPHYRA_NAMESPACE {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zephyra";
const wchar_t kUninstallFallbackKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zephyra_WFP";
const wchar_t kAppPathsKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Zephyra.exe";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValueName[] = L"Zephyra";
const wchar_t kProductHomePage[] = L"http://www.zephyra.example/";

unsigned long RegStringByteLength(const std::wstring& data) {
  // Stored as UTF-16 on Windows whatever wchar_t is on the building host.
  return static_cast<unsigned long>(2 * (data.size() + 1));
}

std::vector<RegistryValuePlan> UninstallRecordPlan(const std::wstring& install_dir) {
  return {
      {L"DisplayIcon", InstallFilePath(install_dir, L"Zephyra.exe")},
      {L"DisplayName", L"Zephyra"},
      {L"DisplayVersion", L"4.2015.1225.001"},
      {L"Publisher", L"Orvane,Inc"},
      {L"UninstallString", InstallFilePath(install_dir, L"uninst.exe")},
      {L"URLInfoAbout", kProductHomePage},
  };
}

std::vector<RegistryValuePlan> AppPathPlan(const std::wstring& install_dir) {
  return {
      {L"", InstallFilePath(install_dir, L"Zephyra.exe")},
      {L"Path", InstallDirText(install_dir)},
  };
}

RegistryValuePlan RunValuePlan(const std::wstring& install_dir) {
  return {kRunValueName, Quoted(InstallFilePath(install_dir, L"Zephyra.exe")) + L" -autorun"};
}

AutorunTaskPlan AutorunTaskPlanFor(const std::wstring& executable_path) {
  AutorunTaskPlan plan;
  plan.folder = L"\\";
  plan.name = L"Zephyra";
  plan.author = L"Zephyra";
  plan.actionPath = executable_path;
  plan.actionArguments = L"-autorun";
  plan.userGroup = L"Builtin\\Users";
  return plan;
}

AutostartAction PlanAutostart(int windows_major_version, bool autostart) {
  const bool task = windows_major_version >= 6;
  if (autostart) return task ? AutostartAction::kRegisterTask : AutostartAction::kWriteRunValue;
  return task ? AutostartAction::kRemoveTask : AutostartAction::kDeleteRunValue;
}

}  // namespace ZEPHYRA_NAMESPACE
