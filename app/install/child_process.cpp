// child_process.cpp -- start a child and wait for it or for cancellation.
#include "app/install/child_process.h"

#include <windows.h>

#include <vector>

#include "app/install/cancel_signal.h"
#include "common/scoped_handle.h"

namespace ZEPHYRA_NAMESPACE {

ChildRun RunAndWait(const std::wstring& command_line, const YdCancelSignal* cancel) {
  if (cancel && cancel->IsSet()) return ChildRun::kSkipped;
  // CreateProcessW may write into the command line buffer.
  std::vector<wchar_t> buffer(command_line.begin(), command_line.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &info)) {
    return ChildRun::kNotStarted;
  }
  ScopedHandle process(info.hProcess);
  ScopedHandle thread(info.hThread);

  HANDLE waits[2] = {process.Get(), cancel ? cancel->Handle() : nullptr};
  const DWORD count = waits[1] ? 2 : 1;
  DWORD result = ::WaitForMultipleObjects(count, waits, FALSE, INFINITE);
  if (result == WAIT_FAILED) result = ::WaitForSingleObject(process.Get(), INFINITE);  // unusable signal
  return result == WAIT_OBJECT_0 + 1 ? ChildRun::kCancelled : ChildRun::kFinished;
}

}  // namespace ZEPHYRA_NAMESPACE
