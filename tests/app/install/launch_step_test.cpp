// Reporting and launch for real under Wine: the stand-ins log which program
// was started with which parameters and in which current directory.
#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <map>

#include "app/install/launch_logic.h"
#include "app/install/launch_step.h"
#include "common/scoped_handle.h"
#include "tests/app/install/install_test_support.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_support;

// Restores the process's current directory, which LaunchProduct changes.
class ScopedCurrentDir {
 public:
  ScopedCurrentDir() {
    wchar_t dir[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, dir);
    saved_ = dir;
  }
  ~ScopedCurrentDir() { ::SetCurrentDirectoryW(saved_.c_str()); }

 private:
  std::wstring saved_;
};

// Creation times of the running processes named `names` (each expected
// once), read while the stand-ins still sleep.
std::map<std::wstring, ULONGLONG> CreationTimes(const std::vector<std::wstring>& names) {
  std::map<std::wstring, ULONGLONG> times;
  ScopedHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry)) {
    if (std::find(names.begin(), names.end(), entry.szExeFile) == names.end()) continue;
    ScopedHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
    FILETIME created, exited, kernel, user;
    if (process && ::GetProcessTimes(process.Get(), &created, &exited, &kernel, &user)) {
      times[entry.szExeFile] = (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    }
  }
  return times;
}

const LogLine* Find(const std::vector<LogLine>& lines, const std::wstring& program) {
  auto it = std::find_if(lines.begin(), lines.end(), [&](const LogLine& l) { return l.program == program; });
  return it == lines.end() ? nullptr : &*it;
}

// The line of the plan's program carries exactly the plan's file and
// parameters.
void ExpectStarted(const std::vector<LogLine>& lines, const LaunchPlan& plan) {
  const std::wstring program = fs::path(plan.file).filename().wstring();
  const LogLine* line = Find(lines, program);
  ASSERT_NE(line, nullptr) << program;
  const SplitCommand split = SplitCommandLine(line->commandLine);
  EXPECT_EQ(split.program, plan.file);
  EXPECT_EQ(split.arguments, plan.parameters);
}

TEST(LaunchStep, InteractiveReportsThenLaunchesInTheInstallDirectory) {
  ScopedCurrentDir restore;
  const fs::path dir = InstallDirWithPayload(L"launch");
  const std::wstring d = dir.wstring();
  PayloadLog log(L"launch");
  ScopedEnv sleep(L"ZEPHYRA_PAYLOAD_SLEEP_MS", L"1500");
  ReportInstall(d);
  EXPECT_TRUE(LaunchProduct(d));
  // Nothing waits for them: all three are still asleep, and were created in
  // the order reporter, pkrep.exe, product.
  const auto times = CreationTimes({L"ydn_reporter_routine.exe", L"pkrep.exe", L"Zephyra.exe"});
  ASSERT_EQ(times.size(), 3u);
  EXPECT_TRUE(log.Lines().empty());
  EXPECT_LT(times.at(L"ydn_reporter_routine.exe"), times.at(L"pkrep.exe"));
  EXPECT_LT(times.at(L"pkrep.exe"), times.at(L"Zephyra.exe"));

  const auto lines = log.WaitForLines(3, 20000);
  ASSERT_EQ(lines.size(), 3u);
  const auto reports = ReportInstallPlans(d);
  ExpectStarted(lines, reports[0]);
  ExpectStarted(lines, reports[1]);
  ExpectStarted(lines, ProductLaunchPlan(d));
  EXPECT_NE(Find(lines, L"ydn_reporter_routine.exe")->commandLine.find(L"a=INSTALL&s=N/A"), std::wstring::npos);
  EXPECT_EQ(Find(lines, L"Zephyra.exe")->cwd, d);
  for (const auto& line : lines) EXPECT_EQ(line.commandLine.find(L"AutoUpdInstall"), std::wstring::npos);
}

TEST(LaunchStep, UnattendedReportsAutoUpdInstall) {
  ScopedCurrentDir restore;
  const fs::path dir = InstallDirWithPayload(L"launch-auto");
  const std::wstring d = dir.wstring();
  PayloadLog log(L"launch-auto");
  EXPECT_TRUE(ReportAutoUpdateInstall(d));
  EXPECT_TRUE(LaunchProduct(d + L"\\"));

  const auto lines = log.WaitForLines(3, 20000);
  ASSERT_EQ(lines.size(), 3u);
  const auto reports = ReportAutoUpdateInstallPlans(d);
  ExpectStarted(lines, reports[0]);
  ExpectStarted(lines, reports[1]);
  ExpectStarted(lines, ProductLaunchPlan(d));
  EXPECT_EQ(Find(lines, L"Zephyra.exe")->cwd, d);
  for (const auto& line : lines) EXPECT_EQ(line.commandLine.find(L"INSTALL&"), std::wstring::npos);
}

TEST(LaunchStep, VanishedDirectoryStartsNoReporterButStillTriesTheProduct) {
  ScopedCurrentDir restore;
  const fs::path dir = FreshDir(L"launch-gone");
  fs::remove(dir);
  PayloadLog log(L"launch-gone");
  EXPECT_FALSE(ReportAutoUpdateInstall(dir.wstring()));
  EXPECT_FALSE(LaunchProduct(dir.wstring()));

  // A plain file is no directory either.
  const fs::path file = FreshDir(L"launch-file") / L"WiFi";
  { std::FILE* f = _wfopen(file.c_str(), L"w"); if (f) std::fclose(f); }
  EXPECT_FALSE(ReportAutoUpdateInstall(file.wstring()));
  EXPECT_TRUE(log.Lines().empty());
}

TEST(LaunchStep, MissingReportersChangeNothingForTheLaunch) {
  ScopedCurrentDir restore;
  const fs::path dir = InstallDirWithPayload(L"launch-partial");
  fs::remove(dir / L"ydn_reporter_routine.exe");
  fs::remove(dir / L"pkrep.exe");
  PayloadLog log(L"launch-partial");
  ReportInstall(dir.wstring());
  EXPECT_TRUE(ReportAutoUpdateInstall(dir.wstring()));  // failures to start are only debug output
  EXPECT_TRUE(LaunchProduct(dir.wstring()));
  const auto lines = log.WaitForLines(1, 20000);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].program, L"Zephyra.exe");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
