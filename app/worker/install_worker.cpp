// install_worker.cpp -- the install thread: steps, check points, completion
// gate, reporting and launch.
#include "app/worker/install_worker.h"

#include "app/worker/ring_logic.h"
#include "archive/debug_output.h"

namespace ZEPHYRA_NAMESPACE {

void YdInstallWorker::GuardedUi::ShowInstallStep(unsigned step) {
  if (ui_ != nullptr && !cancelled_->load()) ui_->ShowInstallStep(step);
}

void YdInstallWorker::GuardedUi::ShowInstallFailed() {
  if (ui_ != nullptr && !cancelled_->load()) ui_->ShowInstallFailed();
}

void YdInstallWorker::GuardedUi::RequestClose() {
  if (ui_ != nullptr && !cancelled_->load()) ui_->RequestClose();
}

YdInstallWorker::YdInstallWorker(IInstallUi* ui, IInstallActions* actions)
    : actions_(actions), ui_(ui, &cancelled_), progress_(&ui_) {}

YdInstallWorker::~YdInstallWorker() {
  if (thread_.Joinable()) {
    Cancel();
    Join();
  }
}

bool YdInstallWorker::Start(const InstallInputs& inputs) {
  if (state_.load() != InstallState::kIdle || thread_.Joinable()) return false;
  gate_.Close();
  state_.store(InstallState::kRunning);
  if (!thread_.Start([this, inputs] { ThreadMain(inputs); })) {
    state_.store(InstallState::kIdle);
    return false;
  }
  return true;
}

void YdInstallWorker::Pause() {
  {
    std::lock_guard<YdMutex> hold(lock_);
    paused_ = true;
  }
  progress_.Pause(true);
}

void YdInstallWorker::Resume() {
  {
    std::lock_guard<YdMutex> hold(lock_);
    paused_ = false;
  }
  progress_.Pause(false);
  changed_.notify_all();
}

void YdInstallWorker::Cancel() {
  {
    std::lock_guard<YdMutex> hold(lock_);
    cancelled_.store(true);
    paused_ = false;
  }
  progress_.RequestCancel();  // also lets a held extraction go on to see it
  if (actions_ != nullptr) actions_->Cancel();
  gate_.Open();
  changed_.notify_all();
}

void YdInstallWorker::Join() {
  thread_.Join();
}

bool YdInstallWorker::WaitDone(std::chrono::milliseconds limit) {
  std::unique_lock<YdMutex> hold(lock_);
  return changed_.wait_for(hold, limit, [this] { return done_; });
}

bool YdInstallWorker::CheckPoint() {
  std::unique_lock<YdMutex> hold(lock_);
  changed_.wait(hold, [this] { return !paused_ || cancelled_.load(); });
  return !cancelled_.load();
}

void YdInstallWorker::Finish(InstallOutcome outcome) {
  outcome_.store(outcome);
  {
    std::lock_guard<YdMutex> hold(lock_);
    done_ = true;
  }
  changed_.notify_all();
}

void YdInstallWorker::ThreadMain(InstallInputs inputs) {
  job_ = InstallJob();
  job_.installDir = inputs.installDir;
  job_.desktopShortcut = inputs.desktopShortcut;
  job_.autostart = inputs.autostart;
  job_.cancel = actions_->CancelSignal();

  const InstallOutcome steps = RunInstallSteps(job_, inputs.switches);
  if (steps == InstallOutcome::kExtractionFailed) {
    WriteDebugMessage(u"Extract payload failed");
    actions_->AfterFailedExtraction(job_);
    state_.store(InstallState::kFinished);
    ui_.ShowInstallFailed();
    Finish(steps);
    return;
  }
  if (steps == InstallOutcome::kCancelled) return Finish(steps);

  ui_.ShowInstallStep(kCompletionStep);
  gate_answered_.store(gate_.WaitOpen(completion_limit_) && !cancelled_.load());
  if (!CheckPoint()) return Finish(InstallOutcome::kCancelled);

  if (inputs.unattended) {
    actions_->ReportAutoUpdateInstall(job_);
    WriteDebugMessage(u"Silence Report!");
  } else {
    WriteDebugMessage(u"UnSilence Report!");
    actions_->ReportInstall(job_);
  }
  if (!CheckPoint()) return Finish(InstallOutcome::kCancelled);
  actions_->LaunchProduct(job_);

  state_.store(InstallState::kFinished);
  ui_.RequestClose();
  Finish(InstallOutcome::kInstalled);
}

InstallOutcome YdInstallWorker::RunInstallSteps(const InstallJob& job, const StepSwitches& switches) {
  if (!CheckPoint()) return InstallOutcome::kCancelled;
  if (switches.unpack) {
    const bool unpacked = actions_->UnpackPayload(job, progress_);
    if (!CheckPoint()) return InstallOutcome::kCancelled;
    if (!unpacked) return InstallOutcome::kExtractionFailed;
  }
  if (switches.service) {
    actions_->InstallCoreService(job);
    if (!CheckPoint()) return InstallOutcome::kCancelled;
  }
  ui_.ShowInstallStep(10);
  if (switches.driver) {
    actions_->InstallNatDriver(job);
    if (!CheckPoint()) return InstallOutcome::kCancelled;
  }
  ui_.ShowInstallStep(11);
  if (switches.registration) {
    actions_->WriteRegistration(job);
    if (!CheckPoint()) return InstallOutcome::kCancelled;
  }
  ui_.ShowInstallStep(12);
  if (switches.shortcuts) {
    actions_->CreateShortcuts(job);
    if (!CheckPoint()) return InstallOutcome::kCancelled;
  }
  ui_.ShowInstallStep(13);
  return InstallOutcome::kInstalled;
}

}  // namespace ZEPHYRA_NAMESPACE
