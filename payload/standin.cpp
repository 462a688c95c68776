// standin.cpp -- the stand-in payload program, built under the names of the
// product's programs (Zephyra.exe, ydcoresrv.exe, snetcfg.exe, ...). It
// records how it was started and exits 0:
//   ZEPHYRA_PAYLOAD_LOG       file to which one line is appended: the
//                             program's file name, its current directory and
//                             its full command line, tab-separated, UTF-8
//   ZEPHYRA_PAYLOAD_SLEEP_MS  milliseconds to wait before writing the line
//                             (lets tests see that the setup waited)
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

std::wstring Environment(const wchar_t* name) {
  const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return L"";
  std::vector<wchar_t> buffer(size);
  const DWORD length = ::GetEnvironmentVariableW(name, buffer.data(), size);
  return length < size ? std::wstring(buffer.data(), length) : std::wstring();
}

std::wstring OwnFileName() {
  std::vector<wchar_t> path(32768);
  const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  const std::wstring full(path.data(), length);
  const size_t sep = full.find_last_of(L"\\/");
  return sep == std::wstring::npos ? full : full.substr(sep + 1);
}

std::wstring CurrentDirectory() {
  std::vector<wchar_t> dir(32768);
  const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(dir.size()), dir.data());
  return std::wstring(dir.data(), length < dir.size() ? length : 0);
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
  return out;
}

// Appends `line` in one write; other stand-ins may append at the same time,
// so a sharing conflict is retried for a while.
void AppendLine(const std::wstring& path, const std::string& line) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE file = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      ::CloseHandle(file);
      return;
    }
    ::Sleep(10);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring sleep_ms = Environment(L"ZEPHYRA_PAYLOAD_SLEEP_MS");
  if (!sleep_ms.empty()) ::Sleep(static_cast<DWORD>(std::wcstoul(sleep_ms.c_str(), nullptr, 10)));
  const std::wstring log = Environment(L"ZEPHYRA_PAYLOAD_LOG");
  if (!log.empty()) {
    AppendLine(log, Utf8(OwnFileName() + L"\t" + CurrentDirectory() + L"\t" + ::GetCommandLineW()) + "\n");
  }
  return 0;
}
