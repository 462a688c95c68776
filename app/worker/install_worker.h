// install_worker.h -- YdInstallWorker: runs one installation on a thread of
// its own (unpack, core service, NAT driver, registration, shortcuts, in
// that order), drives the progress page through IInstallUi, waits for the
// completion animation, reports, launches the product and asks the window
// to close. The window pauses, resumes and cancels it from the UI thread.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

#include "app/install/install_job.h"
#include "app/worker/completion_gate.h"
#include "app/worker/install_ui.h"
#include "app/worker/step_switches.h"
#include "app/worker/unpaker_progress.h"
#include "common/threading.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

enum class InstallState : int { kIdle = 0, kRunning = 1, kFinished = 2 };

enum class InstallOutcome : int {
  kNotDone = 0,           // not started, or still running
  kInstalled = 1,         // every step ran; reported and launched
  kExtractionFailed = 2,  // the payload could not be written; nothing else ran
  kCancelled = 3,         // stopped at a check point after Cancel
};

// What the window hands over when the install starts. The wizard reads them
// on the UI thread: the install directory from edit 108 (interactive) or
// from the previous installation (unattended), the desktop-shortcut choice
// from option 110 and the autostart choice from option 111.
struct InstallInputs {
  std::wstring installDir;
  bool desktopShortcut = true;
  bool autostart = true;
  bool unattended = false;
  StepSwitches switches;
};

// The work itself; YdMachineInstallActions does it for real, tests fake it.
// Step results are kept only for the unpack step (see InstallOutcome).
class IInstallActions {
 public:
  virtual ~IInstallActions() = default;
  virtual bool UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress) = 0;
  virtual bool InstallCoreService(const InstallJob& job) = 0;
  virtual bool InstallNatDriver(const InstallJob& job) = 0;
  virtual bool WriteRegistration(const InstallJob& job) = 0;
  virtual bool CreateShortcuts(const InstallJob& job) = 0;
  virtual void ReportInstall(const InstallJob& job) = 0;
  virtual void ReportAutoUpdateInstall(const InstallJob& job) = 0;
  virtual void LaunchProduct(const InstallJob& job) = 0;
  // Any thread: ends the waits for child processes at once.
  virtual void Cancel() = 0;
  // The signal the child waits watch; stored in the job. May be null.
  virtual const YdCancelSignal* CancelSignal() const { return nullptr; }
  // Install thread, after an extraction that failed (not after a cancel)
  // and was rolled back: the machine's steps start the previous product
  // again when its files were restored. No report follows.
  virtual void AfterFailedExtraction(const InstallJob& /*job*/) {}
  // True when the last extraction was refused for want of free space.
  virtual bool ExtractionLackedSpace() const { return false; }
};

class YdInstallWorker {
 public:
  static constexpr std::chrono::milliseconds kDefaultCompletionLimit{3000};

  // `ui` and `actions` are not owned and must outlive the thread (Join).
  YdInstallWorker(IInstallUi* ui, IInstallActions* actions);
  // Cancels a running installation and waits for its thread.
  ~YdInstallWorker();
  YdInstallWorker(const YdInstallWorker&) = delete;
  YdInstallWorker& operator=(const YdInstallWorker&) = delete;

  // UI thread. Closes the completion gate, sets the state to Running and
  // starts the thread. False when this worker was started before or the
  // thread cannot be created.
  bool Start(const InstallInputs& inputs);

  // UI thread, while the close confirmation is open: the install thread
  // holds at its next check point (between steps, or at the extraction's
  // next progress report) until Resume or Cancel.
  void Pause();
  void Resume();
  // UI thread, when the user confirmed: the extraction and any child wait
  // end, the thread ends at its next check point; nothing of the
  // installation happens afterwards (no step, no ring change, no report, no
  // launch, no close request).
  void Cancel();
  // UI thread, on notification 34: the completion animation has ended.
  void CompletionAnimationEnded() { gate_.Open(); }

  // Waits for the thread to end (the window's destroy path).
  void Join();
  // Waits at most `limit` for the thread to end; true when it has.
  bool WaitDone(std::chrono::milliseconds limit);

  InstallState State() const { return state_.load(); }
  InstallOutcome Outcome() const { return outcome_.load(); }
  // The job as the thread built it; valid once the thread is done.
  const InstallJob& Job() const { return job_; }
  // How long the thread waits at the completion gate.
  void SetCompletionLimit(std::chrono::milliseconds limit) { completion_limit_ = limit; }
  // True when the thread left the gate because the animation ended, false
  // when the limit passed (or it never got there).
  bool GateAnswered() const { return gate_answered_.load(); }

 private:
  // Passes the thread's calls on to the window until a cancel.
  class GuardedUi : public IInstallUi {
   public:
    GuardedUi(IInstallUi* ui, const std::atomic<bool>* cancelled) : ui_(ui), cancelled_(cancelled) {}
    void ShowInstallStep(unsigned step) override;
    void ShowInstallFailed() override;
    void RequestClose() override;

   private:
    IInstallUi* ui_;
    const std::atomic<bool>* cancelled_;
  };

  void ThreadMain(InstallInputs inputs);
  InstallOutcome RunInstallSteps(const InstallJob& job, const StepSwitches& switches);
  // Holds while paused; false when the installation was cancelled.
  bool CheckPoint();
  void Finish(InstallOutcome outcome);

  IInstallActions* actions_;
  std::atomic<bool> cancelled_{false};
  GuardedUi ui_;
  YdUnpakerProgress progress_;
  YdCompletionGate gate_;
  std::chrono::milliseconds completion_limit_ = kDefaultCompletionLimit;

  YdMutex lock_;  // guards paused_, done_
  YdCondition changed_;
  bool paused_ = false;
  bool done_ = false;

  std::atomic<InstallState> state_{InstallState::kIdle};
  std::atomic<InstallOutcome> outcome_{InstallOutcome::kNotDone};
  std::atomic<bool> gate_answered_{false};
  InstallJob job_;
  YdThread thread_;
};

}  // namespace ZEPHYRA_NAMESPACE
