// standin.cpp -- the stand-in payload program, built under the names of the
// product's programs (Zephyra.exe, ydcoresrv.exe, snetcfg.exe, ...). It
// records how it was started and exits 0:
//   ZEPHYRA_PAYLOAD_LOG       file to which one line is appended: the
//                             program's file name, its current directory and
//                             its full command line, tab-separated, UTF-8
//   ZEPHYRA_PAYLOAD_SLEEP_MS  milliseconds to wait before writing the line
//                             (lets tests see that the setup waited)
#include <windows.h>

namespace {

// Fixed buffers keep the program free of the C++ library: it is packed into
// the setup seven times.
constexpr DWORD kPathChars = 32768;
wchar_t g_log_path[kPathChars];
wchar_t g_line[3 * kPathChars + 4];
char g_utf8[4 * (3 * kPathChars + 4)];

// Appends `text` at `*end` within g_line.
void Append(size_t* end, const wchar_t* text, size_t length) {
  const size_t room = sizeof(g_line) / sizeof(g_line[0]) - 1 - *end;
  if (length > room) length = room;
  ::CopyMemory(g_line + *end, text, length * sizeof(wchar_t));
  *end += length;
}

// Appends `data` in one write; other stand-ins may append at the same time,
// so a sharing conflict is retried for a while.
void AppendToLog(const wchar_t* path, const char* data, DWORD size) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE file = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      ::WriteFile(file, data, size, &written, nullptr);
      ::CloseHandle(file);
      return;
    }
    ::Sleep(10);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t sleep_ms[32];
  const DWORD sleep_length = ::GetEnvironmentVariableW(L"ZEPHYRA_PAYLOAD_SLEEP_MS", sleep_ms, 32);
  if (sleep_length > 0 && sleep_length < 32) {
    DWORD ms = 0;
    for (DWORD i = 0; i < sleep_length && sleep_ms[i] >= L'0' && sleep_ms[i] <= L'9'; ++i) {
      ms = ms * 10 + static_cast<DWORD>(sleep_ms[i] - L'0');
    }
    ::Sleep(ms);
  }

  const DWORD log_length = ::GetEnvironmentVariableW(L"ZEPHYRA_PAYLOAD_LOG", g_log_path, kPathChars);
  if (log_length == 0 || log_length >= kPathChars) return 0;

  size_t end = 0;
  static wchar_t path[kPathChars];
  const DWORD path_length = ::GetModuleFileNameW(nullptr, path, kPathChars);
  size_t name = path_length;
  while (name > 0 && path[name - 1] != L'\\' && path[name - 1] != L'/') --name;
  Append(&end, path + name, path_length - name);
  Append(&end, L"\t", 1);
  const DWORD dir_length = ::GetCurrentDirectoryW(kPathChars, path);
  Append(&end, path, dir_length < kPathChars ? dir_length : 0);
  Append(&end, L"\t", 1);
  const wchar_t* command_line = ::GetCommandLineW();
  Append(&end, command_line, static_cast<size_t>(::lstrlenW(command_line)));
  Append(&end, L"\n", 1);

  const int size = ::WideCharToMultiByte(CP_UTF8, 0, g_line, static_cast<int>(end), g_utf8,
                                         static_cast<int>(sizeof(g_utf8)), nullptr, nullptr);
  if (size > 0) AppendToLog(g_log_path, g_utf8, static_cast<DWORD>(size));
  return 0;
}
