// planted_dll.cpp -- a DLL that the DLL-search tests put next to a program,
// as an attacker would put one next to a downloaded setup, under the names
// of the DLLs the program uses. When it loads it appends its own path to
// the file named by ZEPHYRA_PLANTED_LOG (when set): the tests read there
// which copies loaded.
#include <windows.h>

#include "common/scoped_handle.h"

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t log[MAX_PATH] = {};
  const DWORD logLength = ::GetEnvironmentVariableW(L"ZEPHYRA_PLANTED_LOG", log, MAX_PATH);
  if (logLength == 0 || logLength >= MAX_PATH) return TRUE;
  char line[MAX_PATH + 1] = {};
  DWORD length = ::GetModuleFileNameA(self, line, MAX_PATH);
  line[length++] = '\n';
  ZEPHYRA_NAMESPACE::ScopedHandle file(::CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                     nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file.IsValid()) ::WriteFile(file.Get(), line, length, &written, nullptr);
  return TRUE;
}
