// startup_checks.h -- what the setup does before any window exists: stop the
// product's processes, hold the single-instance event, find the default
// install directory.
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Executable names of the product, compared whole and case-sensitively.
const std::vector<std::wstring>& ProductProcessNames();
// Named event held for as long as a setup runs.
extern const wchar_t kSetupInstanceEventName[];

#ifdef _WIN32
// Terminates (exit code 0) every process whose executable name equals one of
// `names` exactly; failures are passed over. Returns how many were terminated.
int KillProcessesNamed(const std::vector<std::wstring>& names);
// Terminates every running product process. Always true.
bool KillProductProcesses();

// True when another setup holds the single-instance event (or this process
// already does); otherwise creates the event, keeps it until the process
// ends, and returns false.
bool IsSetupAlreadyRunning();

// The 32-bit program files folder (or "C:\Program Files") plus "\WiFi".
std::wstring DefaultInstallDirectory();
#endif

// The default directory for a folder query result: `folder` when the query
// succeeded, else the fallback, each followed by "\WiFi".
std::wstring ComposeInstallDirectory(bool query_succeeded, const std::wstring& folder);

}  // namespace ZEPHYRA_NAMESPACE
