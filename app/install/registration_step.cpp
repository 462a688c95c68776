// registration_step.cpp -- applies the registration plan to HKEY_LOCAL_MACHINE.
#include "app/install/registration_step.h"

#include <windows.h>

#include <vector>

#include "app/install/autorun_task.h"
#include "app/install/install_paths.h"
#include "app/install/registration_logic.h"
#include "app/install/windows_platform.h"
#include "common/scoped_handle.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// Read, set-value and create-subkey access, for deleting the Run value.
constexpr REGSAM kRunKeyEditAccess = 0x2001F;

ScopedRegKey CreateKey(const wchar_t* path) {
  ScopedRegKey key;
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS) {
    key.Close();
  }
  return key;
}

// Failures of single values are passed over: the step goes on.
void SetStringValue(HKEY key, const RegistryValuePlan& value) {
  ::RegSetValueExW(key, value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.data.c_str()), RegStringByteLength(value.data));
}

bool WriteValues(const wchar_t* key_path, const std::vector<RegistryValuePlan>& values) {
  ScopedRegKey key = CreateKey(key_path);
  if (!key) return false;
  for (const auto& value : values) SetStringValue(key.Get(), value);
  return true;
}

}  // namespace

bool WriteRegistration(const InstallJob& job) { return WriteRegistrationFor(job, WindowsMajorVersion()); }

bool WriteRegistrationFor(const InstallJob& job, int windows_major_version) {
  if (!WriteValues(kUninstallKey, UninstallRecordPlan(job.installDir))) return false;
  if (!WriteValues(kAppPathsKey, AppPathPlan(job.installDir))) return false;

  switch (PlanAutostart(windows_major_version, job.autostart)) {
    case AutostartAction::kRegisterTask:
      RegisterAutorunTask(InstallFilePath(job.installDir, L"Zephyra.exe"));
      break;
    case AutostartAction::kRemoveTask:
      RemoveAutorunTask();
      break;
    case AutostartAction::kWriteRunValue:
      if (!WriteValues(kRunKey, {RunValuePlan(job.installDir)})) return false;
      break;
    case AutostartAction::kDeleteRunValue: {
      ScopedRegKey key;
      if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, kRunKeyEditAccess, key.Receive()) == ERROR_SUCCESS) {
        ::RegDeleteValueW(key.Get(), kRunValueName);  // a missing value is no error
      } else {
        key.Close();
      }
      break;
    }
  }
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
