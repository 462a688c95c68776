// Start-up checks for real under Wine: the process sweep, the single-instance
// event across calls and processes, the default directory.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "app/startup/startup_checks.h"
#include "common/scoped_handle.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

namespace fs = std::filesystem;

fs::path ProbePath() {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  return fs::path(self).parent_path() / L"startup_probe.exe";
}

struct Child {
  ScopedHandle process;
  DWORD id = 0;
};

Child Start(const fs::path& exe, const std::wstring& args) {
  std::wstring command = L"\"" + exe.wstring() + L"\" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  Child child;
  if (::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ::CloseHandle(pi.hThread);
    child.process.Set(pi.hProcess);
    child.id = pi.dwProcessId;
  }
  return child;
}

// Copies the probe under `name` into its own folder (names that differ only
// in letter case cannot share one).
fs::path ProbeCopy(const std::wstring& folder, const std::wstring& name) {
  const fs::path dir = fs::temp_directory_path() / L"zephyra-startup-test" / folder;
  fs::create_directories(dir);
  const fs::path target = dir / name;
  fs::copy_file(ProbePath(), target, fs::copy_options::overwrite_existing);
  return target;
}

TEST(StartupChecks, SweepStopsListedNamesExactlyAndSparesOtherCases) {
  Child listed = Start(ProbeCopy(L"a", L"pkrep.exe"), L"sleep");
  Child listed2 = Start(ProbeCopy(L"b", L"ydcoresrv.exe"), L"sleep");
  Child other_case = Start(ProbeCopy(L"c", L"PKREP.exe"), L"sleep");
  Child unlisted = Start(ProbeCopy(L"d", L"pkrep2.exe"), L"sleep");
  ASSERT_TRUE(listed.process && listed2.process && other_case.process && unlisted.process);

  EXPECT_TRUE(KillProductProcesses());

  for (Child* child : {&listed, &listed2}) {
    ASSERT_EQ(::WaitForSingleObject(child->process.Get(), 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    ::GetExitCodeProcess(child->process.Get(), &code);
    EXPECT_EQ(code, 0u);  // terminated with exit code 0
  }
  EXPECT_EQ(::WaitForSingleObject(other_case.process.Get(), 500), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(::WaitForSingleObject(unlisted.process.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  ::TerminateProcess(other_case.process.Get(), 0);
  ::TerminateProcess(unlisted.process.Get(), 0);
}

TEST(StartupChecks, NamesAreTheProductsInOrder) {
  const std::vector<std::wstring> expected = {L"ydcoresrv.exe", L"QZephyra.exe", L"ZephyraSvc.exe", L"pkrep.exe",
                                              L"Zephyra.exe",   L"YD_Httpd.exe", L"YDUpdate.exe"};
  EXPECT_EQ(ProductProcessNames(), expected);
}

TEST(StartupChecks, SingleInstanceEventAcrossCallsAndProcesses) {
  // No other setup yet: another process creates the event and ends, which
  // removes it again.
  Child before = Start(ProbePath(), L"instance");
  ASSERT_TRUE(before.process);
  ASSERT_EQ(::WaitForSingleObject(before.process.Get(), 10000), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(before.process.Get(), &code);
  EXPECT_EQ(code, 0u);

  EXPECT_FALSE(IsSetupAlreadyRunning());  // this process now holds the event
  EXPECT_TRUE(IsSetupAlreadyRunning());   // a second call sees it

  Child second = Start(ProbePath(), L"instance");
  ASSERT_TRUE(second.process);
  ASSERT_EQ(::WaitForSingleObject(second.process.Get(), 10000), WAIT_OBJECT_0);
  ::GetExitCodeProcess(second.process.Get(), &code);
  EXPECT_EQ(code, 1u);

  ScopedHandle event(::OpenEventW(SYNCHRONIZE, FALSE, kSetupInstanceEventName));
  EXPECT_TRUE(event.IsValid());
  EXPECT_EQ(std::wstring(kSetupInstanceEventName), L"Local\\F61FA4DC-B369-4B02-860F-0B57F43EE161");
}

TEST(StartupChecks, DefaultInstallDirectory) {
  // A 64-bit Wine prefix has a 32-bit program files folder.
  EXPECT_EQ(DefaultInstallDirectory(), L"C:\\Program Files (x86)\\WiFi");
  EXPECT_EQ(ComposeInstallDirectory(false, L"ignored"), L"C:\\Program Files\\WiFi");
  EXPECT_EQ(ComposeInstallDirectory(true, L"D:\\Apps"), L"D:\\Apps\\WiFi");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
