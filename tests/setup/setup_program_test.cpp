// ZephyraSetup.exe end to end under Wine: it runs as its own process with
// the real skin and the stand-in payload. Unattended over a previous
// installation (and without one), an interactive install driven by posted
// mouse clicks, the close confirmation on the welcome page, and a second
// setup while one runs. The stand-ins append one line per start to the file
// named by ZEPHYRA_PAYLOAD_LOG (name, current directory, command line).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/startup/mode_argument.h"
#include "app/entry/setup_entry.h"
#include "app/wizard/setup_wnd_logic.h"
#include "app/startup/startup_checks.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zephyra";
constexpr wchar_t kOldUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zephyra_WFP";

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// A build file's path as Wine sees it (drive Z: is "/"); by default the setup's.
std::wstring SetupPath(const char* file = YD_SETUP_EXE) {
  std::wstring path = L"Z:" + Widen(file);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

std::wstring TempDir(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + name;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct LogLine {
  std::string program;
  std::string directory;
  std::string command;
};

std::vector<LogLine> ReadLog(const std::wstring& path) {
  std::vector<LogLine> lines;
  std::ifstream in(path.c_str(), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    LogLine entry;
    std::istringstream fields(line);
    std::getline(fields, entry.program, '\t');
    std::getline(fields, entry.directory, '\t');
    std::getline(fields, entry.command);
    lines.push_back(entry);
  }
  return lines;
}

// The launched programs run on after the setup ends: waits until the log
// has `count` lines (at most 15 s).
std::vector<LogLine> ReadLogOf(const std::wstring& path, size_t count) {
  std::vector<LogLine> lines = ReadLog(path);
  for (int i = 0; i < 300 && lines.size() < count; ++i) {
    ::Sleep(50);
    lines = ReadLog(path);
  }
  return lines;
}

const LogLine* Find(const std::vector<LogLine>& lines, const std::string& program) {
  for (const LogLine& l : lines) {
    if (l.program == program) return &l;
  }
  return nullptr;
}

std::vector<std::string> Programs(const std::vector<LogLine>& lines) {
  std::vector<std::string> names;
  for (const LogLine& l : lines) names.push_back(l.program);
  return names;
}

// True when `wanted` appears in `names` in this order (others may lie between).
bool InOrder(const std::vector<std::string>& names, const std::vector<std::string>& wanted) {
  size_t at = 0;
  for (const std::string& n : names) {
    if (at < wanted.size() && n == wanted[at]) ++at;
  }
  return at == wanted.size();
}

class SetupProcess {
 public:
  SetupProcess(const std::string& argument, const std::wstring& logPath,
               const std::wstring& program = SetupPath()) {
    ::SetEnvironmentVariableW(L"ZEPHYRA_PAYLOAD_LOG", logPath.c_str());
    std::wstring command = L"\"" + program + L"\"";
    if (!argument.empty()) command += L" " + Widen(argument);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    started_ = ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                &pi_) != FALSE;
  }
  ~SetupProcess() {
    if (!started_) return;
    if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(pi_.hProcess, 99);
    ::CloseHandle(pi_.hThread);
    ::CloseHandle(pi_.hProcess);
  }
  bool Started() const { return started_; }
  // The exit code, or -1 when it did not end within `ms`.
  int Wait(DWORD ms) {
    if (::WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(pi_.hProcess, &code);
    return static_cast<int>(code);
  }
  // A visible top-level window of this process with `className`.
  HWND FindWindowOf(const wchar_t* className, DWORD ms = 15000) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
      HWND found = nullptr;
      for (HWND w = ::FindWindowW(className, nullptr); w != nullptr;
           w = ::FindWindowExW(nullptr, w, className, nullptr)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(w, &pid);
        if (pid == pi_.dwProcessId && ::IsWindowVisible(w)) found = w;
      }
      if (found != nullptr) return found;
      ::Sleep(50);
    }
    return nullptr;
  }

 private:
  PROCESS_INFORMATION pi_{};
  bool started_ = false;
};

// A click at client point (x, y), as the mouse would send it.
void Click(HWND hwnd, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageW(hwnd, WM_MOUSEMOVE, 0, at);
  ::PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
}

SIZE WindowSize(HWND hwnd) {
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void DeleteUninstallRecords() {
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUninstallKey);
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kOldUninstallKey);
}

void WriteUninstallRecord(const std::wstring& uninstaller) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExW(key, L"UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>(uninstaller.c_str()),
                   static_cast<DWORD>((uninstaller.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(key);
}

std::wstring ReadUninstallString() {
  wchar_t value[512] = {};
  DWORD size = sizeof(value);
  if (::RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, L"UninstallString", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

TEST(SetupProgramTest, UnattendedInstallsOverThePreviousInstallation) {
  DeleteUninstallRecords();
  const std::wstring dir = TempDir(L"yd_e2e_unattended");
  ::CreateDirectoryW(dir.c_str(), nullptr);
  WriteUninstallRecord(dir + L"\\uninst.exe");
  const std::wstring log = TempDir(L"yd_e2e_unattended.log");
  ::DeleteFileW(log.c_str());

  SetupProcess setup(EncodeModeArgument("16"), log);
  ASSERT_TRUE(setup.Started());
  EXPECT_EQ(setup.Wait(60000), kExitOk);
  for (const wchar_t* file : {L"\\Zephyra.exe", L"\\ydcoresrv.exe", L"\\pkrep.exe", L"\\uninst.exe"}) {
    EXPECT_TRUE(Exists(dir + file)) << std::string(file, file + wcslen(file));
  }
  // Service, driver (both waited for), then the two reports and the product.
  const std::vector<LogLine> lines = ReadLogOf(log, 5);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(InOrder(Programs(lines), {"ydcoresrv.exe", "snetcfg64.exe"}));
  const LogLine* pkrep = Find(lines, "pkrep.exe");
  const LogLine* reporter = Find(lines, "ydn_reporter_routine.exe");
  ASSERT_NE(pkrep, nullptr);
  ASSERT_NE(reporter, nullptr);
  EXPECT_NE(pkrep->command.find("AutoUpdInstall"), std::string::npos);
  EXPECT_NE(reporter->command.find("a=AutoUpdInstall"), std::string::npos);
  ASSERT_NE(Find(lines, "Zephyra.exe"), nullptr);
  DeleteUninstallRecords();
}

// The setup signed with a throw-away certificate (the setup_signing fixture,
// which checks the signature with osslsigncode) still finds its payload
// resource behind the signature and installs every file of it.
TEST(SetupProgramTest, SignedSetupInstallsItsPayload) {
  DeleteUninstallRecords();
  const std::wstring dir = TempDir(L"yd_e2e_signed");
  ::CreateDirectoryW(dir.c_str(), nullptr);
  for (const wchar_t* file : {L"\\Zephyra.exe", L"\\ydcoresrv.exe", L"\\pkrep.exe"}) {
    ::DeleteFileW((dir + file).c_str());
  }
  WriteUninstallRecord(dir + L"\\uninst.exe");
  const std::wstring log = TempDir(L"yd_e2e_signed.log");
  ::DeleteFileW(log.c_str());

  SetupProcess setup(EncodeModeArgument("16"), log, SetupPath(YD_SIGNED_SETUP_EXE));
  ASSERT_TRUE(setup.Started());
  EXPECT_EQ(setup.Wait(60000), kExitOk);
  for (const wchar_t* file : {L"\\Zephyra.exe", L"\\ydcoresrv.exe", L"\\pkrep.exe", L"\\uninst.exe"}) {
    EXPECT_TRUE(Exists(dir + file)) << std::string(file, file + wcslen(file));
  }
  ReadLogOf(log, 5);  // the launched stand-ins finish before the next test
  DeleteUninstallRecords();
}

TEST(SetupProgramTest, UnattendedWithoutPreviousInstallationEndsAtOnce) {
  DeleteUninstallRecords();
  const std::wstring log = TempDir(L"yd_e2e_noprevious.log");
  ::DeleteFileW(log.c_str());
  SetupProcess setup(EncodeModeArgument("16"), log);
  ASSERT_TRUE(setup.Started());
  EXPECT_EQ(setup.Wait(20000), kExitNoPreviousInstall);
  EXPECT_TRUE(ReadLog(log).empty());
}

TEST(SetupProgramTest, InteractiveInstallFromTheInstallButton) {
  const std::wstring log = TempDir(L"yd_e2e_interactive.log");
  ::DeleteFileW(log.c_str());
  SetupProcess setup("", log);
  ASSERT_TRUE(setup.Started());
  const HWND wizard = setup.FindWindowOf(L"ydSetupWndClass");
  ASSERT_NE(wizard, nullptr);
  EXPECT_EQ(WindowSize(wizard).cx, 500);
  EXPECT_EQ(WindowSize(wizard).cy, 280);
  ::Sleep(500);  // the first paint
  Click(wizard, 250, 233);
  EXPECT_EQ(setup.Wait(60000), kExitOk);
  EXPECT_FALSE(::IsWindow(wizard));

  const std::wstring dir = L"C:\\Program Files (x86)\\WiFi";
  for (const wchar_t* file : {L"\\Zephyra.exe", L"\\ydcoresrv.exe", L"\\snetcfg64.exe", L"\\uninst.exe"}) {
    EXPECT_TRUE(Exists(dir + file)) << std::string(file, file + wcslen(file));
  }
  EXPECT_EQ(ReadUninstallString(), dir + L"\\uninst.exe");
  const std::vector<LogLine> lines = ReadLogOf(log, 5);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(InOrder(Programs(lines), {"ydcoresrv.exe", "snetcfg64.exe"}));
  EXPECT_NE(lines[0].command.find("\\ydcoresrv.exe\" -i"), std::string::npos);
  const LogLine* reporter = Find(lines, "ydn_reporter_routine.exe");
  const LogLine* pkrep = Find(lines, "pkrep.exe");
  const LogLine* product = Find(lines, "Zephyra.exe");
  ASSERT_NE(reporter, nullptr);
  ASSERT_NE(pkrep, nullptr);
  ASSERT_NE(product, nullptr);
  EXPECT_NE(reporter->command.find("a=INSTALL"), std::string::npos);
  EXPECT_NE(pkrep->command.find("\" install"), std::string::npos);
  EXPECT_NE(product->command.find("\" -setup"), std::string::npos);
  EXPECT_EQ(product->directory, "C:\\Program Files (x86)\\WiFi");
}

TEST(SetupProgramTest, FoldOutToggleResizesTheWizardAndBack) {
  const std::wstring log = TempDir(L"yd_e2e_fold.log");
  ::DeleteFileW(log.c_str());
  SetupProcess setup("", log);
  ASSERT_TRUE(setup.Started());
  const HWND wizard = setup.FindWindowOf(L"ydSetupWndClass");
  ASSERT_NE(wizard, nullptr);
  ::Sleep(500);
  Click(wizard, 486, 266);  // toggle 105, 13 x 13 at 480,260
  ::Sleep(500);
  EXPECT_EQ(WindowSize(wizard).cx, 500);
  EXPECT_EQ(WindowSize(wizard).cy, 350);
  Click(wizard, 486, 266);
  ::Sleep(500);
  EXPECT_EQ(WindowSize(wizard).cy, 280);
  ::PostMessageW(wizard, WM_CLOSE, 0, 0);
  const HWND dialog = setup.FindWindowOf(L"YdMessageDlg");
  ASSERT_NE(dialog, nullptr);
  ::Sleep(300);
  Click(dialog, 120, 113);  // "是"
  EXPECT_EQ(setup.Wait(15000), kExitOk);
}

TEST(SetupProgramTest, ClosingTheWelcomePageAsksAndNoKeepsTheWizard) {
  const std::wstring log = TempDir(L"yd_e2e_close.log");
  ::DeleteFileW(log.c_str());
  SetupProcess setup("", log);
  ASSERT_TRUE(setup.Started());
  const HWND wizard = setup.FindWindowOf(L"ydSetupWndClass");
  ASSERT_NE(wizard, nullptr);
  ::Sleep(300);
  Click(wizard, 487, 12);  // close button 101, 25 x 25 at the top right
  HWND dialog = setup.FindWindowOf(L"YdMessageDlg");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(::GetWindow(dialog, GW_OWNER), wizard);
  ::Sleep(300);
  Click(dialog, 200, 113);  // "否"
  ASSERT_EQ(setup.Wait(800), -1);  // still running
  EXPECT_TRUE(::IsWindow(wizard));
  EXPECT_FALSE(::IsWindow(dialog));

  ::PostMessageW(wizard, WM_CLOSE, 0, 0);
  dialog = setup.FindWindowOf(L"YdMessageDlg");
  ASSERT_NE(dialog, nullptr);
  ::Sleep(300);
  Click(dialog, 120, 113);  // "是"
  EXPECT_EQ(setup.Wait(15000), kExitOk);
  EXPECT_TRUE(ReadLog(log).empty());  // nothing installed, nothing started
}

// Every stand-in waits before it writes its line, so the setup is still in
// the service step (waiting for ydcoresrv.exe) when the close request comes.
class SlowPayload {
 public:
  explicit SlowPayload(const wchar_t* ms) { ::SetEnvironmentVariableW(L"ZEPHYRA_PAYLOAD_SLEEP_MS", ms); }
  ~SlowPayload() { ::SetEnvironmentVariableW(L"ZEPHYRA_PAYLOAD_SLEEP_MS", nullptr); }
};

TEST(SetupProgramTest, ClosingDuringTheInstallYesEndsWithoutLaunching) {
  SlowPayload slow(L"6000");
  const std::wstring log = TempDir(L"yd_e2e_cancel.log");
  ::DeleteFileW(log.c_str());
  SetupProcess setup("", log);
  ASSERT_TRUE(setup.Started());
  const HWND wizard = setup.FindWindowOf(L"ydSetupWndClass");
  ASSERT_NE(wizard, nullptr);
  ::Sleep(500);
  Click(wizard, 250, 233);
  ::Sleep(800);
  ::PostMessageW(wizard, WM_CLOSE, 0, 0);
  const HWND dialog = setup.FindWindowOf(L"YdMessageDlg");
  ASSERT_NE(dialog, nullptr);
  ::Sleep(300);
  const DWORD clicked = ::GetTickCount();
  Click(dialog, 120, 113);  // "是"
  EXPECT_EQ(setup.Wait(15000), kExitOk);
  // The wait for the service program ends at once: the setup does not sit
  // out the stand-in's 6 s (a wide margin for a busy machine).
  EXPECT_LT(::GetTickCount() - clicked, 4500u);
  ::Sleep(6500);  // a stand-in that was started has written its line by now
  for (const LogLine& l : ReadLog(log)) {
    EXPECT_NE(l.program, "Zephyra.exe");
    EXPECT_NE(l.program, "pkrep.exe");
    EXPECT_NE(l.program, "ydn_reporter_routine.exe");
  }
}

TEST(SetupProgramTest, ClosingDuringTheInstallNoCarriesOn) {
  SlowPayload slow(L"1000");
  const std::wstring log = TempDir(L"yd_e2e_resume.log");
  ::DeleteFileW(log.c_str());
  SetupProcess setup("", log);
  ASSERT_TRUE(setup.Started());
  const HWND wizard = setup.FindWindowOf(L"ydSetupWndClass");
  ASSERT_NE(wizard, nullptr);
  ::Sleep(500);
  Click(wizard, 250, 233);
  ::Sleep(800);
  ::PostMessageW(wizard, WM_CLOSE, 0, 0);
  const HWND dialog = setup.FindWindowOf(L"YdMessageDlg");
  ASSERT_NE(dialog, nullptr);
  ::Sleep(300);
  Click(dialog, 200, 113);  // "否"
  EXPECT_EQ(setup.Wait(60000), kExitOk);
  const std::vector<LogLine> lines = ReadLogOf(log, 5);
  EXPECT_EQ(lines.size(), 5u);
  EXPECT_NE(Find(lines, "Zephyra.exe"), nullptr);
}

TEST(SetupProgramTest, SecondSetupShowsTheRunningMessageAndReturnsZero) {
  // This process holds the single-instance event, as a running setup does.
  ASSERT_FALSE(IsSetupAlreadyRunning());
  const std::wstring log = TempDir(L"yd_e2e_second.log");
  SetupProcess setup("", log);
  ASSERT_TRUE(setup.Started());
  const HWND dialog = setup.FindWindowOf(L"YdMessageDlg");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(::GetWindow(dialog, GW_OWNER), nullptr);
  EXPECT_EQ(setup.FindWindowOf(L"ydSetupWndClass", 300), nullptr);
  ::Sleep(300);
  // The single button sits where the pair was, moved right by its padding.
  Click(dialog, 170, 113);
  EXPECT_EQ(setup.Wait(15000), kExitOk);
  EXPECT_FALSE(::IsWindow(dialog));
}

// Last in this program: the restriction holds for the rest of the process.
TEST(SetupProgramTest, DllNextToTheProgramIsNotLoadedOnceTheSearchIsRestricted) {
  // Found in the program's folder while the search is not restricted...
  HMODULE planted = ::LoadLibraryW(L"yd_planted.dll");
  ASSERT_NE(planted, nullptr) << "the planted DLL is missing next to the test program";
  ::FreeLibrary(planted);
  // ...and no longer afterwards.
  ASSERT_TRUE(RestrictDllSearchToSystem());
  planted = ::LoadLibraryW(L"yd_planted.dll");
  EXPECT_EQ(planted, nullptr);
  if (planted != nullptr) ::FreeLibrary(planted);
  // System DLLs are still found.
  HMODULE system = ::LoadLibraryW(L"riched20.dll");
  EXPECT_NE(system, nullptr);
  if (system != nullptr) ::FreeLibrary(system);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
