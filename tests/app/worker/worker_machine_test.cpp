// The install worker for real under Wine: this test executable carries the
// stand-in payload as resource ZIP 110, so the unpack step extracts it into
// a temporary directory and the later steps run the extracted stand-ins,
// which log how they were started. Updates over a previous installation are
// staged: a file held open rolls them back exactly.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/install/install_log.h"
#include "app/worker/install_actions.h"
#include "app/worker/install_worker.h"
#include "app/install/registration_logic.h"
#include "app/worker/ring_logic.h"
#include "app/worker/unpack_payload.h"
#include "app/worker/unpaker_progress.h"
#include "tests/app/install/install_test_support.h"
#include "common/scoped_handle.h"
#include "tests/app/worker/worker_fakes.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_support;
using namespace testing_worker;
using namespace std::chrono_literals;

// The stand-in payload folder this build packed into the resource.
fs::path StandInPayload() {
  return (TestExeDir() / L".." / L".." / L".." / L"payload" / L"files").lexically_normal();
}

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file of the payload folder is under `dir` with the same bytes.
void ExpectPayloadIn(const fs::path& dir) {
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(StandInPayload())) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const fs::path copy = dir / fs::relative(entry.path(), StandInPayload());
    ASSERT_TRUE(fs::is_regular_file(copy)) << copy.string();
    EXPECT_EQ(FileBytes(copy), FileBytes(entry.path())) << copy.string();
  }
  EXPECT_GE(files, 8u);  // seven stand-ins and the driver files at least
}

std::vector<unsigned> RingSteps(const std::vector<std::string>& events) {
  std::vector<unsigned> steps;
  for (const std::string& e : events) {
    if (e.rfind("ring:", 0) == 0) steps.push_back(static_cast<unsigned>(std::stoul(e.substr(5))));
  }
  return steps;
}

class StepList : public IInstallUi {
 public:
  void ShowInstallStep(unsigned step) override { steps.push_back(step); }
  void ShowInstallFailed() override {}
  void RequestClose() override {}
  std::vector<unsigned> steps;
};

TEST(UnpackPayload, WritesTheCarriedPayloadAndMovesTheRingUpTo229) {
  const fs::path dir = FreshDir(L"worker-unpack") / L"new dir" / L"WiFi";  // parents created too
  StepList ui;
  YdUnpakerProgress progress(&ui);
  InstallJob job;
  job.installDir = dir.wstring();
  EXPECT_TRUE(UnpackPayload(job, progress));
  ExpectPayloadIn(dir);
  ASSERT_FALSE(ui.steps.empty());
  EXPECT_TRUE(std::is_sorted(ui.steps.begin(), ui.steps.end()));
  EXPECT_GE(ui.steps.front(), 1u);
  EXPECT_EQ(ui.steps.back(), 10u);  // 100 %: PNG 229
}

TEST(UnpackPayload, FailsIntoAFileAndWhenCancelledFirst) {
  const fs::path base = FreshDir(L"worker-unpack-fail");
  const fs::path file = base / L"taken";
  std::ofstream(file) << "x";
  YdUnpakerProgress progress(nullptr);
  InstallJob job;
  job.installDir = file.wstring();
  EXPECT_FALSE(UnpackPayload(job, progress));

  YdUnpakerProgress cancelled(nullptr);
  cancelled.RequestCancel();
  job.installDir = (base / L"never").wstring();
  EXPECT_FALSE(UnpackPayload(job, cancelled));
  EXPECT_FALSE(fs::exists(base / L"never"));
}

// A worker with the machine's steps and a recorded window that ends the
// completion animation at once.
struct MachineRig {
  Journal journal;
  RecordingUi ui{&journal};
  YdMachineInstallActions actions;
  YdInstallWorker worker{&ui, &actions};
  MachineRig() {
    ui.onStep = [this](unsigned step) {
      if (step == kCompletionStep) worker.CompletionAnimationEnded();
    };
  }
};

// Puts the current directory back (the launch changes it).
class KeepCurrentDir {
 public:
  KeepCurrentDir() : dir_(fs::current_path()) {}
  ~KeepCurrentDir() { fs::current_path(dir_); }

 private:
  fs::path dir_;
};

fs::path SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return fs::path(path);
}

void RemoveProductRecords() {
  DeleteMachineTree(kUninstallKey);
  DeleteMachineTree(kUninstallFallbackKey);
  DeleteMachineTree(kAppPathsKey);
  std::error_code ignored;
  fs::remove(SpecialFolder(CSIDL_DESKTOP) / L"Zephyra.lnk", ignored);
  fs::remove_all(SpecialFolder(CSIDL_PROGRAMS) / L"Zephyra", ignored);
}

const LogLine* FindProgram(const std::vector<LogLine>& lines, const std::wstring& program) {
  for (const LogLine& line : lines) {
    if (line.program == program) return &line;
  }
  return nullptr;
}

TEST(MachineInstall, InteractiveRunInstallsReportsLaunchesAndCloses) {
  KeepCurrentDir keep;
  RemoveProductRecords();
  const fs::path dir = FreshDir(L"worker-full") / L"WiFi";
  const std::wstring d = dir.wstring();
  PayloadLog log(L"worker-full");
  MachineRig rig;
  InstallInputs inputs;
  inputs.installDir = d;
  inputs.desktopShortcut = false;  // option 110 cleared
  inputs.autostart = true;
  ASSERT_TRUE(rig.worker.Start(inputs));
  ASSERT_TRUE(rig.worker.WaitDone(60s));
  rig.worker.Join();
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kInstalled);
  EXPECT_EQ(rig.worker.State(), InstallState::kFinished);
  EXPECT_TRUE(rig.worker.GateAnswered());
  ExpectPayloadIn(dir);

  const std::vector<std::string> events = rig.journal.Events();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "close");
  const std::vector<unsigned> steps = RingSteps(events);
  ASSERT_GE(steps.size(), 6u);
  EXPECT_EQ(std::vector<unsigned>(steps.end() - 6, steps.end()), (std::vector<unsigned>{10, 10, 11, 12, 13, 14}));
  EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));

  // The waited-for programs in order; the reporters and the product are
  // started without waiting, so only their presence and lines are fixed.
  const std::vector<LogLine> lines = log.WaitForLines(5, 20000);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].program, L"ydcoresrv.exe");
  EXPECT_EQ(lines[0].commandLine, L"\"" + d + L"\\ydcoresrv.exe\" -i");
  EXPECT_EQ(lines[1].program, L"snetcfg64.exe");
  const LogLine* reporter = FindProgram(lines, L"ydn_reporter_routine.exe");
  const LogLine* pkrep = FindProgram(lines, L"pkrep.exe");
  const LogLine* product = FindProgram(lines, L"Zephyra.exe");
  ASSERT_TRUE(reporter && pkrep && product);
  EXPECT_NE(reporter->commandLine.find(L"a=INSTALL&"), std::wstring::npos) << reporter->commandLine;
  EXPECT_NE(pkrep->commandLine.find(L" install"), std::wstring::npos) << pkrep->commandLine;
  EXPECT_NE(product->commandLine.find(L"-setup"), std::wstring::npos);
  EXPECT_EQ(fs::path(product->cwd).lexically_normal(), dir.lexically_normal());

  const auto uninstall = ReadMachineValue(kUninstallKey, L"UninstallString");
  ASSERT_TRUE(uninstall.has_value());
  EXPECT_EQ(uninstall->text, d + L"\\uninst.exe");
  EXPECT_TRUE(fs::exists(SpecialFolder(CSIDL_PROGRAMS) / L"Zephyra" / L"Zephyra.lnk"));
  EXPECT_FALSE(fs::exists(SpecialFolder(CSIDL_DESKTOP) / L"Zephyra.lnk"));
  RemoveProductRecords();
}

TEST(MachineInstall, UnattendedAllSkipBitsRunsTheServiceThenReportsAutoUpdate) {
  KeepCurrentDir keep;
  RemoveProductRecords();
  const fs::path dir = FreshDir(L"worker-silent");
  {
    YdUnpakerProgress progress(nullptr);
    InstallJob job;
    job.installDir = dir.wstring();
    ASSERT_TRUE(UnpackPayload(job, progress));  // the previous installation
  }
  PayloadLog log(L"worker-silent");
  MachineRig rig;
  InstallInputs inputs;
  inputs.installDir = dir.wstring();
  inputs.unattended = true;
  inputs.switches = StepSwitchesFromMode(0x1F);
  ASSERT_TRUE(rig.worker.Start(inputs));
  ASSERT_TRUE(rig.worker.WaitDone(60s));
  EXPECT_EQ(RingSteps(rig.journal.Events()), (std::vector<unsigned>{10, 11, 12, 13, 14}));
  const std::vector<LogLine> lines = log.WaitForLines(4, 20000);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].program, L"ydcoresrv.exe");
  const LogLine* reporter = FindProgram(lines, L"ydn_reporter_routine.exe");
  const LogLine* pkrep = FindProgram(lines, L"pkrep.exe");
  ASSERT_TRUE(reporter && pkrep && FindProgram(lines, L"Zephyra.exe"));
  EXPECT_NE(reporter->commandLine.find(L"a=AutoUpdInstall&"), std::wstring::npos);
  EXPECT_NE(pkrep->commandLine.find(L" AutoUpdInstall"), std::wstring::npos);
  EXPECT_FALSE(FindProgram(lines, L"snetcfg64.exe"));
  EXPECT_FALSE(ReadMachineValue(kUninstallKey, L"UninstallString").has_value());  // registration skipped
  EXPECT_FALSE(fs::exists(SpecialFolder(CSIDL_PROGRAMS) / L"Zephyra"));           // shortcuts skipped
}

TEST(MachineInstall, CancelEndsTheWaitForARunningChild) {
  const fs::path dir = FreshDir(L"worker-cancel-child");
  {
    YdUnpakerProgress progress(nullptr);
    InstallJob job;
    job.installDir = dir.wstring();
    ASSERT_TRUE(UnpackPayload(job, progress));
  }
  PayloadLog log(L"worker-cancel-child");
  ScopedEnv sleep(L"ZEPHYRA_PAYLOAD_SLEEP_MS", L"8000");
  MachineRig rig;
  InstallInputs inputs;
  inputs.installDir = dir.wstring();
  inputs.switches = StepSwitchesFromMode(0x0F);  // the service step only
  ASSERT_TRUE(rig.worker.Start(inputs));
  std::this_thread::sleep_for(1500ms);  // the service stand-in is asleep now
  EXPECT_TRUE(rig.journal.Events().empty());
  rig.worker.Cancel();
  // Without the cancel the step would wait another 6.5 s for the child.
  EXPECT_TRUE(rig.worker.WaitDone(4000ms));
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kCancelled);
  EXPECT_TRUE(log.Lines().empty());
  // The child was running: it writes its line when it wakes. Wait for it
  // so that it has ended before the next test.
  const std::vector<LogLine> lines = log.WaitForLines(1, 20000);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].program, L"ydcoresrv.exe");
  rig.worker.Join();
  EXPECT_TRUE(rig.journal.Events().empty());  // no ring step, no report, no close
}

// The window pauses on the first ring step of the extraction, as the close
// confirmation would; the extraction holds at that report.
struct PausingRig : MachineRig {
  std::atomic<bool> paused{false};
  PausingRig() {
    ui.onStep = [this](unsigned step) {
      if (step == kCompletionStep) worker.CompletionAnimationEnded();
      if (!paused.exchange(true)) worker.Pause();
    };
  }
  bool WaitPaused() {
    for (int i = 0; i < 1000 && !paused.load(); ++i) std::this_thread::sleep_for(10ms);
    return paused.load();
  }
};

InstallInputs ExtractAndServiceOnly(const fs::path& dir) {
  InstallInputs inputs;
  inputs.installDir = dir.wstring();
  inputs.switches = StepSwitchesFromMode(kSkipDriver | kSkipRegistration | kSkipShortcuts);
  return inputs;
}

TEST(MachineInstall, PauseHoldsTheRealExtractionUntilResume) {
  KeepCurrentDir keep;
  const fs::path dir = FreshDir(L"worker-pause") / L"WiFi";
  PayloadLog log(L"worker-pause");
  PausingRig rig;
  ASSERT_TRUE(rig.worker.Start(ExtractAndServiceOnly(dir)));
  ASSERT_TRUE(rig.WaitPaused());
  std::this_thread::sleep_for(500ms);
  const size_t held = rig.journal.Events().size();
  EXPECT_EQ(held, 1u);  // only the ring step that paused
  EXPECT_FALSE(rig.worker.WaitDone(0ms));
  EXPECT_TRUE(log.Lines().empty());  // the service step has not started
  rig.worker.Resume();
  ASSERT_TRUE(rig.worker.WaitDone(60s));
  rig.worker.Join();
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kInstalled);
  ExpectPayloadIn(dir);
  EXPECT_GT(rig.journal.Events().size(), held);
  EXPECT_EQ(log.WaitForLines(4, 20000).size(), 4u);  // service, two reporters, product
}

TEST(MachineInstall, CancelWhileTheExtractionIsHeldStopsEverything) {
  const fs::path dir = FreshDir(L"worker-pause-cancel") / L"WiFi";
  PayloadLog log(L"worker-pause-cancel");
  PausingRig rig;
  ASSERT_TRUE(rig.worker.Start(ExtractAndServiceOnly(dir)));
  ASSERT_TRUE(rig.WaitPaused());
  std::this_thread::sleep_for(200ms);
  const std::vector<std::string> before = rig.journal.Events();
  rig.worker.Cancel();
  ASSERT_TRUE(rig.worker.WaitDone(10s));
  rig.worker.Join();
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kCancelled);
  EXPECT_EQ(rig.journal.Events(), before);  // nothing shown after the cancel
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(log.Lines().empty());  // no service, no report, no launch
  EXPECT_FALSE(fs::exists(dir));     // a first install leaves nothing behind
}

// ---- Staged replacement over a previous installation ----

// What a restore must give back of a file: bytes, attributes and times.
struct FileState {
  std::string bytes;
  DWORD attributes = 0;
  uint64_t created = 0, written = 0;
  bool operator==(const FileState& o) const {
    return bytes == o.bytes && attributes == o.attributes && created == o.created && written == o.written;
  }
};

uint64_t Ticks(const FILETIME& t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

std::map<std::wstring, FileState> Snapshot(const fs::path& dir) {
  std::map<std::wstring, FileState> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExW(entry.path().c_str(), GetFileExInfoStandard, &data);
    FileState state;
    state.attributes = data.dwFileAttributes;
    // A folder's write time follows every change inside it; only files
    // keep theirs.
    if (entry.is_regular_file()) {
      state.bytes = FileBytes(entry.path());
      state.created = Ticks(data.ftCreationTime);
      state.written = Ticks(data.ftLastWriteTime);
    }
    files[fs::relative(entry.path(), dir).wstring()] = state;
  }
  return files;
}

// The payload unpacked once, then every file given other bytes and a time
// of its own, and one made read-only and hidden, so that a restored file is
// told from a rewritten one.
std::map<std::wstring, FileState> PreviousInstallation(const fs::path& dir) {
  YdUnpakerProgress progress(nullptr);
  InstallJob job;
  job.installDir = dir.wstring();
  EXPECT_TRUE(UnpackPayload(job, progress));
  FILETIME old{0x12345678, 0x01C0FFEE};
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ofstream(entry.path(), std::ios::binary | std::ios::app) << "previous";
    ScopedHandle file(
        ::CreateFileW(entry.path().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ::SetFileTime(file.Get(), &old, &old, &old);
    ++old.dwLowDateTime;
  }
  ::SetFileAttributesW((dir / L"Zephyra_WFP.url").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  return Snapshot(dir);
}

std::string LogFileText(const fs::path& path) { return FileBytes(path); }

TEST(StagedUpdate, AFileHeldWithoutDeleteSharingRollsTheUpdateBackExactly) {
  const fs::path dir = FreshDir(L"staged-held") / L"WiFi";
  const auto before = PreviousInstallation(dir);
  const fs::path log = FreshDir(L"staged-held-log") / kInstallLogName;
  ASSERT_TRUE(InstallLog().Begin(log, LogRunFacts{}));
  // Another program holds it open without delete sharing: it cannot be
  // moved aside. Files before it in the archive were already replaced.
  const fs::path held_path = dir / L"uninst.exe";
  ScopedHandle held(::CreateFileW(held_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                  nullptr));
  ASSERT_TRUE(held.IsValid());
  YdUnpakerProgress progress(nullptr);
  InstallJob job;
  job.installDir = dir.wstring();
  UnpackSummary summary;
  EXPECT_FALSE(UnpackPayload(job, progress, &summary));
  InstallLog().End();
  held.Close();
  EXPECT_TRUE(summary.restoredPrevious);
  EXPECT_FALSE(summary.shortOfSpace);
  EXPECT_TRUE(Snapshot(dir) == before);  // byte, time and attribute; no backup folder left
  const std::string text = LogFileText(log);
  EXPECT_NE(text.find("file error 0x10000004 " + LogText(held_path.wstring())), std::string::npos) << text;
  EXPECT_NE(text.find("restored previous file " + LogText((dir / L"Zephyra.exe").wstring())), std::string::npos);
  EXPECT_NE(text.find("the previous installation was restored"), std::string::npos);
}

TEST(StagedUpdate, AFileInUseWithDeleteSharingIsReplaced) {
  const fs::path dir = FreshDir(L"staged-shared") / L"WiFi";
  PreviousInstallation(dir);
  // As a running program's file is held: it can be renamed.
  ScopedHandle held(::CreateFileW((dir / L"Zephyra.exe").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held.IsValid());
  YdUnpakerProgress progress(nullptr);
  InstallJob job;
  job.installDir = dir.wstring();
  EXPECT_TRUE(UnpackPayload(job, progress));
  held.Close();
  ExpectPayloadIn(dir);
  // The backup goes now, or at the next restart while it is in use.
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().filename().wstring().rfind(L"~zephyra-backup", 0) != 0) continue;
    for (const auto& backup : fs::directory_iterator(entry.path())) {
      EXPECT_EQ(FileBytes(backup.path()).substr(FileBytes(backup.path()).size() - 8), "previous");
    }
  }
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
