// Test doubles of the install worker: a window that records what the
// install thread shows, and steps that record their calls into the same
// journal, so one list gives the order of everything.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "app/worker/install_ui.h"
#include "app/worker/install_worker.h"

namespace ZEPHYRA_NAMESPACE {
namespace testing_worker {

// Thread-safe list of events ("ring:3", "service", "close", ...).
class Journal {
 public:
  void Add(const std::string& event) {
    {
      std::lock_guard<std::mutex> hold(lock_);
      events_.push_back(event);
    }
    changed_.notify_all();
  }
  std::vector<std::string> Events() const {
    std::lock_guard<std::mutex> hold(lock_);
    return events_;
  }
  // Waits until `event` was recorded (or 10 s passed).
  bool WaitFor(const std::string& event) {
    std::unique_lock<std::mutex> hold(lock_);
    return changed_.wait_for(hold, std::chrono::seconds(10), [&] {
      for (const std::string& e : events_) {
        if (e == event) return true;
      }
      return false;
    });
  }

 private:
  mutable std::mutex lock_;
  std::condition_variable changed_;
  std::vector<std::string> events_;
};

// The window: records the calls; answers the completion step through
// `onStep` (set by the test; e.g. opens the gate).
class RecordingUi : public IInstallUi {
 public:
  explicit RecordingUi(Journal* journal) : journal_(journal) {}
  void ShowInstallStep(unsigned step) override {
    journal_->Add("ring:" + std::to_string(step));
    if (onStep) onStep(step);
  }
  void ShowInstallFailed() override { journal_->Add("failed"); }
  void RequestClose() override { journal_->Add("close"); }

  std::function<void(unsigned)> onStep;

 private:
  Journal* journal_;
};

// Steps that record their calls and the job they were given. A step named
// in `hooks` runs that function (on the install thread) before it returns.
class RecordingActions : public IInstallActions {
 public:
  explicit RecordingActions(Journal* journal) : journal_(journal) {}

  bool UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress) override {
    Record("unpack", job);
    if (unpackBody) unpackBody(progress);
    return unpackResult;
  }
  bool InstallCoreService(const InstallJob& job) override { return Record("service", job); }
  bool InstallNatDriver(const InstallJob& job) override { return Record("driver", job); }
  bool WriteRegistration(const InstallJob& job) override { return Record("registration", job); }
  bool CreateShortcuts(const InstallJob& job) override { return Record("shortcuts", job); }
  void ReportInstall(const InstallJob& job) override { Record("report", job); }
  void ReportAutoUpdateInstall(const InstallJob& job) override { Record("report-autoupdate", job); }
  void LaunchProduct(const InstallJob& job) override { Record("launch", job); }
  void AfterFailedExtraction(const InstallJob& job) override { Record("after-failed", job); }
  void Cancel() override { cancelCalls.fetch_add(1); }

  std::function<void(YdUnpakerProgress&)> unpackBody;
  bool unpackResult = true;
  // Runs inside the named step, after it was recorded.
  std::string hookStep;
  std::function<void()> hook;
  std::atomic<int> cancelCalls{0};
  // The jobs every step was given, in call order.
  std::vector<InstallJob> jobs;

 private:
  bool Record(const std::string& step, const InstallJob& job) {
    {
      std::lock_guard<std::mutex> hold(jobs_lock_);
      jobs.push_back(job);
    }
    journal_->Add(step);
    if (step == hookStep && hook) hook();
    return false;  // results other than unpack's are never read
  }

  Journal* journal_;
  std::mutex jobs_lock_;
};

// A one-shot latch: Wait blocks until Release.
class Latch {
 public:
  void Release() {
    {
      std::lock_guard<std::mutex> hold(lock_);
      open_ = true;
    }
    opened_.notify_all();
  }
  void Wait() {
    std::unique_lock<std::mutex> hold(lock_);
    opened_.wait(hold, [this] { return open_; });
  }

 private:
  std::mutex lock_;
  std::condition_variable opened_;
  bool open_ = false;
};

}  // namespace testing_worker
}  // namespace ZEPHYRA_NAMESPACE
