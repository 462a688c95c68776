// The service and driver steps for real under Wine: the stand-in programs
// log how they were started; a stand-in that sleeps before logging shows
// that each step waited; a cancel signal ends a wait on a child that runs on.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "app/install/cancel_signal.h"
#include "app/install/child_process.h"
#include "app/install/install_job.h"
#include "app/install/service_driver_logic.h"
#include "app/install/service_driver_step.h"
#include "app/startup/startup_checks.h"
#include "tests/app/install/install_test_support.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_support;

std::wstring CurrentDir() {
  wchar_t dir[MAX_PATH];
  const DWORD length = ::GetCurrentDirectoryW(MAX_PATH, dir);
  return std::wstring(dir, length);
}

// The log lines of `lines` are exactly `command_lines`, in order, started
// from `exe_names` with the caller's current directory.
void ExpectRuns(const std::vector<LogLine>& lines, const std::vector<std::wstring>& exe_names,
                const std::vector<std::wstring>& command_lines) {
  ASSERT_EQ(lines.size(), command_lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].program, exe_names[i]) << i;
    EXPECT_EQ(lines[i].commandLine, command_lines[i]) << i;
    EXPECT_EQ(lines[i].cwd, CurrentDir()) << i;
  }
}

TEST(ServiceStep, RunsTheQuotedServiceCommandAndWaits) {
  const fs::path dir = InstallDirWithPayload(L"service");
  PayloadLog log(L"service");
  ScopedEnv sleep(L"ZEPHYRA_PAYLOAD_SLEEP_MS", L"800");
  InstallJob job;
  job.installDir = dir.wstring();
  EXPECT_TRUE(InstallCoreService(job));
  // The stand-in writes its line only after sleeping, so the line is there
  // right after the step returns only if the step waited for it.
  ExpectRuns(log.Lines(), {L"ydcoresrv.exe"}, {L"\"" + dir.wstring() + L"\\ydcoresrv.exe\" -i"});
  EXPECT_NE(dir.wstring().find(L' '), std::wstring::npos);  // the quoting mattered
}

TEST(ServiceStep, MissingServiceProgramFails) {
  const fs::path dir = FreshDir(L"service-missing");
  PayloadLog log(L"service-missing");
  InstallJob job;
  job.installDir = dir.wstring();
  EXPECT_FALSE(InstallCoreService(job));
  EXPECT_TRUE(log.Lines().empty());
}

TEST(DriverStep, Windows7On64BitRunsTheWideToolOnce) {
  const fs::path dir = InstallDirWithPayload(L"driver7");
  PayloadLog log(L"driver7");
  ScopedEnv sleep(L"ZEPHYRA_PAYLOAD_SLEEP_MS", L"300");
  InstallJob job;
  job.installDir = dir.wstring();
  EXPECT_TRUE(InstallNatDriver(job));  // this prefix: Windows 7, x64
  const std::wstring d = dir.wstring();
  ExpectRuns(log.Lines(), {L"snetcfg64.exe"},
             {L"\"" + d + L"\\snetcfg64.exe\" -m -w -f ydnatwfp -k \"" + d + L"\\YdNatDriver\\ydnatwfp64.sys\""});
}

TEST(DriverStep, EveryPlatformRunsItsCommandsInOrder) {
  const fs::path dir = InstallDirWithPayload(L"driver-all");
  const std::wstring d = dir.wstring();
  InstallJob job;
  job.installDir = d;
  ScopedEnv sleep(L"ZEPHYRA_PAYLOAD_SLEEP_MS", L"200");
  {
    PayloadLog log(L"xp32");
    EXPECT_TRUE(InstallNatDriverOn(job, {5, false}));
    // Sequential waits: the miniport line is written before the protocol
    // program even starts.
    ExpectRuns(log.Lines(), {L"snetcfg.exe", L"snetcfg.exe"}, NatDriverCommandLines(d, {5, false}));
    ASSERT_EQ(log.Lines().size(), 2u);
    EXPECT_NE(log.Lines()[0].commandLine.find(L"ydnat_xp_m.inf\" -c s -i ydnatmp"), std::wstring::npos);
    EXPECT_NE(log.Lines()[1].commandLine.find(L"ydnat_xp.inf\" -c s -i ms_ydnat"), std::wstring::npos);
  }
  {
    PayloadLog log(L"xp64");
    EXPECT_TRUE(InstallNatDriverOn(job, {5, true}));
    EXPECT_TRUE(log.Lines().empty());
  }
  {
    PayloadLog log(L"vista32");
    EXPECT_TRUE(InstallNatDriverOn(job, {6, false}));
    ExpectRuns(log.Lines(), {L"snetcfg.exe"}, NatDriverCommandLines(d, {6, false}));
  }
}

TEST(DriverStep, MissingToolIsPassedOverSilently) {
  const fs::path dir = FreshDir(L"driver-missing");
  PayloadLog log(L"driver-missing");
  InstallJob job;
  job.installDir = dir.wstring();
  EXPECT_TRUE(InstallNatDriverOn(job, {5, false}));
  EXPECT_TRUE(InstallNatDriverOn(job, {6, true}));
  EXPECT_TRUE(log.Lines().empty());
}

TEST(DriverStep, ProgramRunAsWindowsXp64StartsNothing) {
  const fs::path dir = InstallDirWithPayload(L"driver-xp64");
  PayloadLog log(L"driver-xp64");
  const fs::path probe = ProbeWithWindowsVersion(L"winxp64");
  ASSERT_EQ(RunProgram(probe, L"platform"), 51);
  EXPECT_EQ(RunProgram(probe, L"driver \"" + dir.wstring() + L"\""), 1);
  EXPECT_TRUE(log.Lines().empty());
}

TEST(ChildWait, CancelSignalEndsTheWaitOnAChildThatRunsOn) {
  const fs::path dir = InstallDirWithPayload(L"cancel");
  PayloadLog log(L"cancel");
  ScopedEnv sleep(L"ZEPHYRA_PAYLOAD_SLEEP_MS", L"60000");
  YdCancelSignal cancel;
  ASSERT_NE(cancel.Handle(), nullptr);
  EXPECT_FALSE(cancel.IsSet());
  std::thread canceller([&cancel] {
    ::Sleep(300);
    cancel.Set();
  });
  const ChildRun run = RunAndWait(CoreServiceCommandLine(dir.wstring()), &cancel);
  canceller.join();
  EXPECT_EQ(run, ChildRun::kCancelled);
  EXPECT_TRUE(cancel.IsSet());
  EXPECT_TRUE(log.Lines().empty());  // the child is still asleep
  EXPECT_EQ(KillProcessesNamed({L"ydcoresrv.exe"}), 1);

  // A signal that is already set starts nothing at all.
  EXPECT_EQ(RunAndWait(CoreServiceCommandLine(dir.wstring()), &cancel), ChildRun::kSkipped);
  InstallJob job;
  job.installDir = dir.wstring();
  job.cancel = &cancel;
  EXPECT_FALSE(InstallCoreService(job));
  EXPECT_TRUE(InstallNatDriverOn(job, {5, false}));
  EXPECT_EQ(KillProcessesNamed({L"ydcoresrv.exe", L"snetcfg.exe"}), 0);
}

TEST(ChildWait, CancelDuringTheFirstDriverCommandSkipsTheSecond) {
  const fs::path dir = InstallDirWithPayload(L"cancel-driver");
  PayloadLog log(L"cancel-driver");
  ScopedEnv sleep(L"ZEPHYRA_PAYLOAD_SLEEP_MS", L"60000");
  YdCancelSignal cancel;
  InstallJob job;
  job.installDir = dir.wstring();
  job.cancel = &cancel;
  std::thread canceller([&cancel] {
    ::Sleep(300);
    cancel.Set();
  });
  EXPECT_TRUE(InstallNatDriverOn(job, {5, false}));
  canceller.join();
  EXPECT_EQ(KillProcessesNamed({L"snetcfg.exe"}), 1);  // the miniport command only
  EXPECT_TRUE(log.Lines().empty());
}

TEST(ServiceStep, AWaitEndedByTheCancelIsNoSuccess) {
  const fs::path dir = InstallDirWithPayload(L"service-cancelled");
  PayloadLog log(L"service-cancelled");
  ScopedEnv sleep(L"ZEPHYRA_PAYLOAD_SLEEP_MS", L"60000");
  YdCancelSignal cancel;
  InstallJob job;
  job.installDir = dir.wstring();
  job.cancel = &cancel;
  std::thread canceller([&cancel] {
    ::Sleep(300);
    cancel.Set();
  });
  EXPECT_FALSE(InstallCoreService(job));
  canceller.join();
  EXPECT_EQ(KillProcessesNamed({L"ydcoresrv.exe"}), 1);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
