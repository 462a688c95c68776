// Helpers of the install-step tests under Wine: a copy of the stand-in
// payload in a fresh install directory, the payload log, environment
// variables, registry reads and link read-back.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {
namespace testing_support {

namespace fs = std::filesystem;

// Folder of the running test executable.
fs::path TestExeDir();
// The assembled stand-in payload folder of this build.
fs::path PayloadFolder();
// A fresh directory "%TEMP%\zephyra steps\<name>" (with a blank), emptied.
fs::path FreshDir(const std::wstring& name);
// FreshDir with the payload copied into it.
fs::path InstallDirWithPayload(const std::wstring& name);

// Sets an environment variable for this process (and its future children)
// and puts the previous state back on destruction.
class ScopedEnv {
 public:
  ScopedEnv(const wchar_t* name, const std::wstring& value);
  ~ScopedEnv();

 private:
  std::wstring name_;
  std::optional<std::wstring> previous_;
};

// One line of the payload log.
struct LogLine {
  std::wstring program;
  std::wstring cwd;
  std::wstring commandLine;
};

// A fresh payload log named by ZEPHYRA_PAYLOAD_LOG while this object lives.
class PayloadLog {
 public:
  explicit PayloadLog(const std::wstring& name);
  std::vector<LogLine> Lines() const;
  // Waits until at least `count` lines are there (or `timeout_ms` passed).
  std::vector<LogLine> WaitForLines(size_t count, DWORD timeout_ms) const;

 private:
  fs::path path_;
  ScopedEnv env_;
};

// The command line split into the program (quotes removed) and the text
// after the single blank that follows it.
struct SplitCommand {
  std::wstring program;
  std::wstring arguments;
};
SplitCommand SplitCommandLine(const std::wstring& command_line);

// A REG_SZ-or-other value of HKEY_LOCAL_MACHINE.
struct RegValue {
  DWORD type = 0;
  DWORD bytes = 0;
  std::wstring text;  // the data up to the first zero
  bool storedWithZero = false;  // the last stored character is a zero
};
std::optional<RegValue> ReadMachineValue(const std::wstring& key, const wchar_t* name);
void DeleteMachineTree(const std::wstring& key);

// What a link file holds, read back through IShellLinkW.
struct LinkContents {
  std::wstring target;
  std::wstring arguments;
  std::wstring workingDir;
  std::wstring description;
  std::wstring iconPath;
  int iconIndex = -1;
};
std::optional<LinkContents> ReadLink(const fs::path& link_file);

// Starts `exe` with `arguments` and returns its exit code (or -1).
int RunProgram(const fs::path& exe, const std::wstring& arguments);

}  // namespace testing_support
}  // namespace ZEPHYRA_NAMESPACE

namespace ZEPHYRA_NAMESPACE {
namespace testing_support {

// A copy of install_step_probe.exe named "yd_probe_<version>.exe" that Wine
// runs as Windows `version` ("winxp64", "winxp", ...): the setting lives under
// HKCU\Software\Wine\AppDefaults\<exe> and affects that program only.
fs::path ProbeWithWindowsVersion(const std::wstring& version);

}  // namespace testing_support
}  // namespace ZEPHYRA_NAMESPACE
