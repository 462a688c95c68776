// Helpers of the install-step tests under Wine.
#include "tests/app/install/install_test_support.h"

#include <objbase.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>

#include "common/scoped_com.h"
#include "common/scoped_handle.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace testing_support {

fs::path TestExeDir() {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  return fs::path(self).parent_path();
}

fs::path PayloadFolder() { return (TestExeDir() / L".." / L".." / L".." / L"payload" / L"files").lexically_normal(); }

fs::path FreshDir(const std::wstring& name) {
  const fs::path dir = fs::temp_directory_path() / L"zephyra steps" / name;
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  fs::create_directories(dir);
  return dir;
}

fs::path InstallDirWithPayload(const std::wstring& name) {
  const fs::path dir = FreshDir(name);
  fs::copy(PayloadFolder(), dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  return dir;
}

ScopedEnv::ScopedEnv(const wchar_t* name, const std::wstring& value) : name_(name) {
  wchar_t buffer[4096];
  const DWORD length = ::GetEnvironmentVariableW(name, buffer, 4096);
  if (length > 0 && length < 4096) previous_ = std::wstring(buffer, length);
  ::SetEnvironmentVariableW(name, value.c_str());
}

ScopedEnv::~ScopedEnv() { ::SetEnvironmentVariableW(name_.c_str(), previous_ ? previous_->c_str() : nullptr); }

PayloadLog::PayloadLog(const std::wstring& name)
    : path_(FreshDir(L"logs-" + name) / L"payload.log"), env_(L"ZEPHYRA_PAYLOAD_LOG", path_.wstring()) {}

std::vector<LogLine> PayloadLog::Lines() const {
  std::ifstream in(path_, std::ios::binary);
  std::vector<LogLine> lines;
  std::string line;
  while (std::getline(in, line)) {
    std::u16string wide16 = Utf8ToUtf16(line);
    std::wstring wide(wide16.begin(), wide16.end());
    const size_t first = wide.find(L'\t');
    const size_t second = first == std::wstring::npos ? first : wide.find(L'\t', first + 1);
    if (second == std::wstring::npos) {
      lines.push_back({wide, L"", L""});  // malformed: shows up in comparisons
      continue;
    }
    lines.push_back({wide.substr(0, first), wide.substr(first + 1, second - first - 1), wide.substr(second + 1)});
  }
  return lines;
}

std::vector<LogLine> PayloadLog::WaitForLines(size_t count, DWORD timeout_ms) const {
  const ULONGLONG end = ::GetTickCount64() + timeout_ms;
  std::vector<LogLine> lines = Lines();
  while (lines.size() < count && ::GetTickCount64() < end) {
    ::Sleep(20);
    lines = Lines();
  }
  return lines;
}

SplitCommand SplitCommandLine(const std::wstring& command_line) {
  SplitCommand split;
  size_t end;
  if (!command_line.empty() && command_line[0] == L'"') {
    const size_t close = command_line.find(L'"', 1);
    split.program = command_line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    end = close == std::wstring::npos ? command_line.size() : close + 1;
  } else {
    end = command_line.find(L' ');
    if (end == std::wstring::npos) end = command_line.size();
    split.program = command_line.substr(0, end);
  }
  if (end < command_line.size() && command_line[end] == L' ') ++end;
  split.arguments = command_line.substr(end);
  return split;
}

std::optional<RegValue> ReadMachineValue(const std::wstring& key, const wchar_t* name) {
  ScopedRegKey handle;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, handle.Receive()) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  RegValue value;
  std::vector<BYTE> data(4096);
  value.bytes = static_cast<DWORD>(data.size());
  if (::RegQueryValueExW(handle.Get(), name, nullptr, &value.type, data.data(), &value.bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const size_t chars = value.bytes / sizeof(wchar_t);
  const wchar_t* text = reinterpret_cast<const wchar_t*>(data.data());
  value.storedWithZero = chars > 0 && text[chars - 1] == L'\0';
  value.text.assign(text, chars);
  const size_t zero = value.text.find(L'\0');
  if (zero != std::wstring::npos) value.text.resize(zero);
  return value;
}

void DeleteMachineTree(const std::wstring& key) { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str()); ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str()); }

std::optional<LinkContents> ReadLink(const fs::path& link_file) {
  ScopedComApartment apartment;
  ScopedComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.ReceiveVoid()))) {
    return std::nullopt;
  }
  ScopedComPtr<IPersistFile> file;
  if (FAILED(link.QueryInto(IID_IPersistFile, &file)) || FAILED(file->Load(link_file.c_str(), STGM_READ))) {
    return std::nullopt;
  }
  LinkContents contents;
  wchar_t buffer[1024];
  if (SUCCEEDED(link->GetPath(buffer, 1024, nullptr, SLGP_RAWPATH))) contents.target = buffer;
  if (SUCCEEDED(link->GetArguments(buffer, 1024))) contents.arguments = buffer;
  if (SUCCEEDED(link->GetWorkingDirectory(buffer, 1024))) contents.workingDir = buffer;
  if (SUCCEEDED(link->GetDescription(buffer, 1024))) contents.description = buffer;
  if (SUCCEEDED(link->GetIconLocation(buffer, 1024, &contents.iconIndex))) contents.iconPath = buffer;
  return contents;
}

int RunProgram(const fs::path& exe, const std::wstring& arguments) {
  std::wstring command = L"\"" + exe.wstring() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
    return -1;
  }
  ScopedHandle process(info.hProcess);
  ScopedHandle thread(info.hThread);
  if (::WaitForSingleObject(process.Get(), 60000) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  ::GetExitCodeProcess(process.Get(), &code);
  return static_cast<int>(code);
}

}  // namespace testing_support
}  // namespace ZEPHYRA_NAMESPACE

namespace ZEPHYRA_NAMESPACE {
namespace testing_support {

fs::path ProbeWithWindowsVersion(const std::wstring& version) {
  const std::wstring name = L"yd_probe_" + version + L".exe";
  const fs::path exe = FreshDir(L"probe-" + version) / name;
  fs::copy_file(TestExeDir() / L"install_step_probe.exe", exe, fs::copy_options::overwrite_existing);
  const std::wstring key = L"Software\\Wine\\AppDefaults\\" + name;
  ::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Version", REG_SZ, version.c_str(),
                    static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
  return exe;
}

}  // namespace testing_support
}  // namespace ZEPHYRA_NAMESPACE
