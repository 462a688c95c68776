// registration_logic.h -- what the registration step writes: the uninstall
// record, the App Paths entry, the Run value and the autostart task, and
// which autostart action a Windows version calls for (portable, pure).
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Keys under HKEY_LOCAL_MACHINE.
extern const wchar_t kUninstallKey[];
extern const wchar_t kUninstallFallbackKey[];  // read only, by the wizard
extern const wchar_t kAppPathsKey[];
extern const wchar_t kRunKey[];
extern const wchar_t kRunValueName[];
extern const wchar_t kProductHomePage[];

// One REG_SZ value; an empty name is the key's default value.
struct RegistryValuePlan {
  std::wstring name;
  std::wstring data;
  bool operator==(const RegistryValuePlan& other) const { return name == other.name && data == other.data; }
};

// Bytes a REG_SZ value takes with its terminating zero: 2 x (characters + 1).
unsigned long RegStringByteLength(const std::wstring& data);

// The six uninstall values, in the order they are written.
std::vector<RegistryValuePlan> UninstallRecordPlan(const std::wstring& install_dir);
// The default value and "Path".
std::vector<RegistryValuePlan> AppPathPlan(const std::wstring& install_dir);
// The value "Zephyra" of the Run key: quoted executable path, " -autorun".
RegistryValuePlan RunValuePlan(const std::wstring& install_dir);

// The scheduled task that starts the product at any user's logon.
struct AutorunTaskPlan {
  std::wstring folder;     // "\"
  std::wstring name;       // "Zephyra"
  std::wstring author;     // "Zephyra"
  bool disallowStartOnBatteries = true;
  bool runLevelHighest = true;
  bool logonTrigger = true;
  std::wstring actionPath;  // DIR\Zephyra.exe
  std::wstring actionArguments;  // "-autorun"
  std::wstring userGroup;   // "Builtin\Users", registered as a group
};
AutorunTaskPlan AutorunTaskPlanFor(const std::wstring& executable_path);

// What the autostart part of the step does: before Windows 6 a Run value,
// from Windows 6 on a scheduled task.
enum class AutostartAction { kRegisterTask, kRemoveTask, kWriteRunValue, kDeleteRunValue };
AutostartAction PlanAutostart(int windows_major_version, bool autostart);

}  // namespace ZEPHYRA_NAMESPACE
