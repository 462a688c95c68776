// startup_checks.cpp -- process sweep, single-instance event, default directory.
#include "app/startup/startup_checks.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include "common/scoped_handle.h"
#endif

namespace ZEPHYRA_NAMESPACE {

const wchar_t kSetupInstanceEventName[] = L"Local\\F61FA4DC-B369-4B02-860F-0B57F43EE161";

const std::vector<std::wstring>& ProductProcessNames() {
  static const std::vector<std::wstring> names = {
      L"ydcoresrv.exe", L"QZephyra.exe", L"ZephyraSvc.exe", L"pkrep.exe",
      L"Zephyra.exe",   L"YD_Httpd.exe", L"YDUpdate.exe"};
  return names;
}

std::wstring ComposeInstallDirectory(bool query_succeeded, const std::wstring& folder) {
  // The fallback is copied with a limit of 64 characters, as the folder
  // buffer of the original layout allowed.
  std::wstring base = query_succeeded ? folder : std::wstring(L"C:\\Program Files").substr(0, 64);
  return base + L"\\WiFi";
}

#ifdef _WIN32

namespace {

// Lives until the process ends: the handle is never closed, so the event
// exists exactly as long as this setup.
struct SetupInstanceRecord {
  HANDLE event = nullptr;
  std::wstring name;
};

SetupInstanceRecord& InstanceRecord() {
  static SetupInstanceRecord* record = new SetupInstanceRecord();  // never destroyed
  return *record;
}

void DebugOut(const wchar_t* text) { ::OutputDebugStringW(text); }

}  // namespace

int KillProcessesNamed(const std::vector<std::wstring>& names) {
  ScopedHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return 0;
  int killed = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry)) {
    bool listed = false;
    for (const auto& name : names) listed = listed || name == entry.szExeFile;
    if (!listed) continue;
    ScopedHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
    if (process && ::TerminateProcess(process.Get(), 0)) ++killed;
  }
  return killed;
}

bool KillProductProcesses() {
  KillProcessesNamed(ProductProcessNames());
  return true;
}

bool IsSetupAlreadyRunning() {
  SetupInstanceRecord& record = InstanceRecord();
  HANDLE existing = ::OpenEventW(EVENT_ALL_ACCESS, FALSE, kSetupInstanceEventName);
  record.name = kSetupInstanceEventName;
  if (existing != nullptr) {
    // Held until the process ends, like the event of the first call; a
    // second handle of this process is not needed.
    if (record.event == nullptr) {
      record.event = existing;
    } else {
      ::CloseHandle(existing);
    }
    DebugOut(L"true is created !");
    DebugOut(kSetupInstanceEventName);
    return true;
  }
  DebugOut(L"false create event!");
  DebugOut(kSetupInstanceEventName);
  record.event = ::CreateEventW(nullptr, FALSE, FALSE, kSetupInstanceEventName);
  return false;
}

std::wstring DefaultInstallDirectory() {
  wchar_t folder[MAX_PATH] = {0};
  const bool ok = SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILESX86, nullptr, SHGFP_TYPE_CURRENT, folder));
  return ComposeInstallDirectory(ok, folder);
}

#endif  // _WIN32

}  // namespace ZEPHYRA_NAMESPACE
