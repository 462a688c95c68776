// child_process.cpp -- start a child and wait for it or for cancellation.
#include "app/install/child_process.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/install/cancel_signal.h"
#include "app/install/install_log.h"
#include "common/scoped_handle.h"

namespace ZEPHYRA_NAMESPACE {

ChildRun RunAndWait(const std::wstring& command_line, const YdCancelSignal* cancel) {
  if (cancel && cancel->IsSet()) {
    LogEvent(L"not run (cancelled): " + command_line);
    return ChildRun::kSkipped;
  }
  LogEvent(L"run: " + command_line);
  // CreateProcessW may write into the command line buffer.
  std::vector<wchar_t> buffer(command_line.begin(), command_line.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &info)) {
    LogEvent("  not started: system error " + std::to_string(::GetLastError()));
    return ChildRun::kNotStarted;
  }
  const ULONGLONG start = ::GetTickCount64();
  ScopedHandle process(info.hProcess);
  ScopedHandle thread(info.hThread);

  HANDLE waits[2] = {process.Get(), cancel ? cancel->Handle() : nullptr};
  const DWORD count = waits[1] ? 2 : 1;
  DWORD result = ::WaitForMultipleObjects(count, waits, FALSE, INFINITE);
  if (result == WAIT_FAILED) result = ::WaitForSingleObject(process.Get(), INFINITE);  // unusable signal
  const std::string after = " after " + std::to_string(::GetTickCount64() - start) + " ms";
  if (result == WAIT_OBJECT_0 + 1) {
    LogEvent("  wait cancelled" + after);
    return ChildRun::kCancelled;
  }
  DWORD exit_code = 0;
  ::GetExitCodeProcess(process.Get(), &exit_code);
  LogEvent("  exit code " + std::to_string(exit_code) + after);
  return ChildRun::kFinished;
}

}  // namespace ZEPHYRA_NAMESPACE
