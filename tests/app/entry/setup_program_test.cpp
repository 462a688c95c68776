// ZephyraSetup.exe end to end under Wine: it runs as its own process with
// the real skin and the stand-in payload. Unattended over a previous
// installation (and without one), an interactive install driven by posted
// mouse clicks, the close confirmation on the welcome page, and a second
// setup while one runs; an unattended update rolled back over a held file, a
// previous folder that breaks a rule, and the install log's lines. The
// stand-ins append one line per start to the file named by
// ZEPHYRA_PAYLOAD_LOG (name, current directory, command line).
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/startup/mode_argument.h"
#include "app/entry/setup_entry.h"
#include "app/wizard/setup_wnd_logic.h"
#include "app/startup/startup_checks.h"
#include "common/scoped_handle.h"
#include "tests/support/pump.h"

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

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }  // ASCII paths only

// The newest run of the setup's install log (from its last header line).
std::string LastLogRun() {
  std::ifstream in(TempDir(L"ZephyraSetup.log").c_str(), std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t at = all.rfind("=== ");
  return at == std::string::npos ? std::string() : all.substr(at);
}

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
  SetupProcess(const std::string& argument, const std::wstring& logPath, const std::wstring& exe = SetupPath()) {
    ::SetEnvironmentVariableW(L"ZEPHYRA_PAYLOAD_LOG", logPath.c_str());
    std::wstring command = L"\"" + exe + L"\"";
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

// Whether a process with one of `names` runs.
bool AnyProcessNamed(const std::vector<std::wstring>& names) {
  ScopedHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry)) {
    for (const std::wstring& name : names) {
      if (name == entry.szExeFile) return true;
    }
  }
  return false;
}

// The stand-ins under the payload's program names.
const std::vector<std::wstring> kStandIns = {L"ydcoresrv.exe", L"snetcfg64.exe", L"pkrep.exe",
                                             L"ydn_reporter_routine.exe", L"Zephyra.exe"};

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
  // The install log's run: header, folder, steps, child runs, exit code.
  const std::string run = LastLogRun();
  EXPECT_NE(run.find(" mode 0x10 (Unattended) Windows "), std::string::npos) << run;
  EXPECT_NE(run.find(" ms install folder " + Narrow(dir) + " (the previous installation's): ok\r\n"),
            std::string::npos) << run;
  EXPECT_NE(run.find(" ms step unpack: done after "), std::string::npos);
  EXPECT_NE(run.find(" ms run: \"" + Narrow(dir) + "\\ydcoresrv.exe\" -i\r\n"), std::string::npos);
  EXPECT_NE(run.find(" ms   exit code 0 after "), std::string::npos);
  EXPECT_NE(run.find(" ms exit code 0\r\n"), std::string::npos);
  DeleteUninstallRecords();
}

// A previous installation made by the setup itself, then each file given
// other bytes and a time of its own: a restore is told from a rewrite.
struct FileState {
  std::string bytes;
  uint64_t written = 0;
  DWORD attributes = 0;
  bool operator==(const FileState& o) const {
    return bytes == o.bytes && written == o.written && attributes == o.attributes;
  }
};

std::map<std::wstring, FileState> TopFiles(const std::wstring& dir) {
  std::map<std::wstring, FileState> files;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    FileState state;
    state.attributes = found.dwFileAttributes;
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      std::ifstream in((dir + L"\\" + name).c_str(), std::ios::binary);
      state.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      state.written = (uint64_t{found.ftLastWriteTime.dwHighDateTime} << 32) | found.ftLastWriteTime.dwLowDateTime;
    }
    files[name] = state;
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return files;
}

TEST(SetupProgramTest, UnattendedUpdateWithAFileHeldOpenRestoresAndRestartsThePreviousProduct) {
  DeleteUninstallRecords();
  const std::wstring dir = TempDir(L"yd_e2e_rollback");
  ::CreateDirectoryW(dir.c_str(), nullptr);
  WriteUninstallRecord(dir + L"\\uninst.exe");
  {
    SetupProcess first(EncodeModeArgument("16"), TempDir(L"yd_e2e_rollback_first.log"));
    ASSERT_EQ(first.Wait(60000), kExitOk);
  }
  ::Sleep(500);  // the stand-ins the first run started have ended
  FILETIME old{0x12345678, 0x01C0FFEE};
  for (const auto& [name, state] : TopFiles(dir)) {
    if (state.attributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::wstring path = dir + L"\\" + name;
    std::ofstream(path.c_str(), std::ios::binary | std::ios::app) << "previous";
    HANDLE file = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ::SetFileTime(file, nullptr, nullptr, &old);
    ::CloseHandle(file);
    ++old.dwLowDateTime;
  }
  const auto before = TopFiles(dir);
  const std::wstring log = TempDir(L"yd_e2e_rollback.log");
  ::DeleteFileW(log.c_str());
  // Held without delete sharing: it cannot be moved aside.
  const std::wstring held_path = dir + L"\\uninst.exe";
  HANDLE held = ::CreateFileW(held_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  SetupProcess setup(EncodeModeArgument("16"), log);
  ASSERT_TRUE(setup.Started());
  const int code = setup.Wait(60000);
  ::CloseHandle(held);
  EXPECT_EQ(code, kExitExtractionFailed);
  EXPECT_TRUE(TopFiles(dir) == before);  // byte, time and attribute; no backup folder
  // The previous product runs again; nothing reported, no other step ran.
  const std::vector<LogLine> lines = ReadLogOf(log, 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].program, "Zephyra.exe");
  EXPECT_NE(lines[0].command.find("\" -setup"), std::string::npos);
  const std::string run = LastLogRun();
  EXPECT_NE(run.find("file error 0x10000004 " + Narrow(held_path)), std::string::npos) << run;
  EXPECT_NE(run.find("extraction failed: rolling back"), std::string::npos);
  EXPECT_NE(run.find("the previous installation was restored"), std::string::npos);
  EXPECT_EQ(run.find("step core service"), std::string::npos);
  EXPECT_NE(run.find(" ms exit code 2\r\n"), std::string::npos);
  DeleteUninstallRecords();
}

TEST(SetupProgramTest, UnattendedWithADriveRootRecordWritesAndStartsNothing) {
  DeleteUninstallRecords();
  WriteUninstallRecord(L"C:\\uninst.exe");  // its folder is the drive-relative "C:"
  const std::wstring log = TempDir(L"yd_e2e_root.log");
  ::DeleteFileW(log.c_str());
  SetupProcess setup(EncodeModeArgument("16"), log);
  ASSERT_TRUE(setup.Started());
  EXPECT_EQ(setup.Wait(20000), kExitBadInstallFolder);
  EXPECT_TRUE(ReadLog(log).empty());
  EXPECT_FALSE(Exists(L"C:\\Zephyra.exe"));
  EXPECT_NE(LastLogRun().find(" ms install folder C: (the previous installation's): a drive root\r\n"),
            std::string::npos);
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
  WaitUntil([&] { return WindowSize(wizard).cy != 280; }, 5000);
  EXPECT_EQ(WindowSize(wizard).cx, 500);
  EXPECT_EQ(WindowSize(wizard).cy, 350);
  Click(wizard, 486, 266);
  WaitUntil([&] { return WindowSize(wizard).cy != 350; }, 5000);
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

// Starts the install and asks to close while the setup waits for the
// service program; the close confirmation's window, or null.
HWND CloseWhileTheServiceRuns(SetupProcess& setup) {
  if (!setup.Started()) return nullptr;
  const HWND wizard = setup.FindWindowOf(L"ydSetupWndClass");
  if (wizard == nullptr) return nullptr;
  ::Sleep(500);
  Click(wizard, 250, 233);
  if (!WaitUntil([] { return AnyProcessNamed({L"ydcoresrv.exe"}); }, 30000)) return nullptr;
  ::PostMessageW(wizard, WM_CLOSE, 0, 0);
  return setup.FindWindowOf(L"YdMessageDlg");
}

TEST(SetupProgramTest, ClosingDuringTheInstallYesEndsWithoutLaunching) {
  SlowPayload slow(L"6000");
  const std::wstring log = TempDir(L"yd_e2e_cancel.log");
  ::DeleteFileW(log.c_str());
  SetupProcess setup("", log);
  const HWND dialog = CloseWhileTheServiceRuns(setup);
  ASSERT_NE(dialog, nullptr);
  ::Sleep(300);
  const DWORD clicked = ::GetTickCount();
  Click(dialog, 120, 113);  // "是"
  EXPECT_EQ(setup.Wait(15000), kExitOk);
  // The wait for the service program ends at once: the setup does not sit
  // out the stand-in's 6 s (a wide margin for a busy machine).
  EXPECT_LT(::GetTickCount() - clicked, 4500u);
  // A stand-in that was started has written its line once it has ended.
  EXPECT_TRUE(WaitUntil([] { return !AnyProcessNamed(kStandIns); }, 15000));
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
  const HWND dialog = CloseWhileTheServiceRuns(setup);
  ASSERT_NE(dialog, nullptr);
  ::Sleep(300);
  Click(dialog, 200, 113);  // "否"
  EXPECT_EQ(setup.Wait(60000), kExitOk);
  const std::vector<LogLine> lines = ReadLogOf(log, 5);
  EXPECT_EQ(lines.size(), 5u);
  EXPECT_NE(Find(lines, "Zephyra.exe"), nullptr);
}

// An environment variable set for the processes this test starts.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name) {
    wchar_t old[1024] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, old, 1024);
    had_ = length > 0 && length < 1024;
    if (had_) old_ = old;
    ::SetEnvironmentVariableW(name, value.c_str());
  }
  ~ScopedEnvironment() { ::SetEnvironmentVariableW(name_, had_ ? old_.c_str() : nullptr); }

 private:
  const wchar_t* name_;
  bool had_ = false;
  std::wstring old_;
};

// Wine's load order for one program: the named DLLs native first, so a copy
// in the program's folder is taken before the system's (Windows' rule for a
// DLL that is not a known one). Wine reads it from the registry when the
// program starts; an environment variable set here would not reach it.
class PreferNativeFor {
 public:
  PreferNativeFor(const wchar_t* program, const std::vector<std::wstring>& dlls)
      : key_(std::wstring(L"Software\\Wine\\AppDefaults\\") + program) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    const std::wstring order = L"native,builtin";
    for (const std::wstring& dll : dlls) {
      ::RegSetValueExW(key, dll.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(order.c_str()),
                       static_cast<DWORD>((order.size() + 1) * sizeof(wchar_t)));
    }
    ::RegCloseKey(key);
  }
  ~PreferNativeFor() { ::RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }

 private:
  std::wstring key_;
};

std::wstring TestProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

// A setup run from a download folder, with copies of the DLLs it loads at
// run time (and of those their loading pulls in: theming, window
// composition) lying beside it and preferred to the system's, as Windows
// prefers a program's folder for every DLL that is not a known one: none of
// the copies loads, through the start and the fold-out with its rich edit.
// The import table holds known DLLs only (setup_imports_tests), which
// Windows never takes from the program's folder; Wine keeps no known DLLs,
// so those are not planted here.
TEST(SetupProgramTest, DllsPlantedBesideTheSetupDoNotLoad) {
  const std::wstring folder = TempDir(L"yd_planted_setup");
  ::CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring setup = folder + L"\\ZephyraSetup.exe";
  ASSERT_TRUE(::CopyFileW(SetupPath().c_str(), setup.c_str(), FALSE));
  const std::wstring planted = TestProgramFolder() + L"\\yd_planted.dll";
  const std::vector<std::wstring> names{L"msimg32", L"comctl32", L"riched20", L"msftedit", L"uxtheme", L"dwmapi"};
  for (const std::wstring& name : names) {
    ASSERT_TRUE(::CopyFileW(planted.c_str(), (folder + L"\\" + name + L".dll").c_str(), FALSE));
  }
  const std::wstring loaded = TempDir(L"yd_planted_setup.txt");
  ::DeleteFileW(loaded.c_str());
  PreferNativeFor preferNative(L"ZephyraSetup.exe", names);
  ScopedEnvironment record(L"ZEPHYRA_PLANTED_LOG", loaded);

  // A planted copy that does load (taken by its full path) is recorded.
  const std::wstring probe = folder + L"\\yd_probe.dll";
  ASSERT_TRUE(::CopyFileW(planted.c_str(), probe.c_str(), FALSE));
  HMODULE module = ::LoadLibraryW(probe.c_str());
  ASSERT_NE(module, nullptr);
  ::FreeLibrary(module);
  std::ifstream recorded(loaded.c_str());
  std::string line;
  ASSERT_TRUE(std::getline(recorded, line));
  EXPECT_NE(line.find("yd_probe.dll"), std::string::npos);
  recorded.close();
  ::DeleteFileW(loaded.c_str());

  {
    const std::wstring log = TempDir(L"yd_e2e_planted.log");
    SetupProcess process("", log, setup);
    ASSERT_TRUE(process.Started());
    const HWND wizard = process.FindWindowOf(L"ydSetupWndClass");
    ASSERT_NE(wizard, nullptr);
    ::Sleep(500);
    Click(wizard, 486, 266);  // the fold-out toggle
    ::Sleep(1000);
    EXPECT_EQ(WindowSize(wizard).cy, 350);
  }  // ends the setup
  std::ifstream after(loaded.c_str());
  while (std::getline(after, line)) ADD_FAILURE() << "a planted DLL loaded: " << line;
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
