// The install worker with recorded steps and a recorded window: the order of
// steps, ring images, completion, report, launch and close; the skip bits;
// a failed extraction; pause and cancel at every kind of check point; the
// completion gate's time limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/worker/install_worker.h"
#include "app/worker/ring_logic.h"
#include "tests/app/worker/worker_fakes.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_worker;
using namespace std::chrono_literals;
using Events = std::vector<std::string>;

// One worker with its recorded window and steps; the window opens the
// completion gate when the completion step arrives, as notification 34 does.
struct Rig {
  Journal journal;
  RecordingUi ui{&journal};
  RecordingActions actions{&journal};
  YdInstallWorker worker{&ui, &actions};

  Rig() {
    ui.onStep = [this](unsigned step) {
      if (step == kCompletionStep) worker.CompletionAnimationEnded();
    };
  }
  void RunToEnd(const InstallInputs& inputs) {
    ASSERT_TRUE(worker.Start(inputs));
    ASSERT_TRUE(worker.WaitDone(10s));
    worker.Join();
  }
};

InstallInputs Inputs(ModeFlags mode) {
  InstallInputs inputs;
  inputs.installDir = L"C:\\Program Files (x86)\\Zephyra";
  inputs.desktopShortcut = false;
  inputs.autostart = true;
  inputs.unattended = IsUnattendedMode(mode);
  inputs.switches = StepSwitchesFromMode(mode);
  return inputs;
}

TEST(InstallWorker, InteractiveRunDoesEveryStepInOrder) {
  Rig rig;
  EXPECT_EQ(rig.worker.State(), InstallState::kIdle);
  rig.RunToEnd(Inputs(0));
  EXPECT_EQ(rig.journal.Events(),
            (Events{"unpack", "service", "ring:10", "driver", "ring:11", "registration", "ring:12", "shortcuts",
                    "ring:13", "ring:14", "report", "launch", "close"}));
  EXPECT_EQ(rig.worker.State(), InstallState::kFinished);
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kInstalled);
  EXPECT_TRUE(rig.worker.GateAnswered());
  // Every step got the job built from the inputs.
  ASSERT_EQ(rig.actions.jobs.size(), 7u);
  for (const InstallJob& job : rig.actions.jobs) {
    EXPECT_EQ(job.installDir, L"C:\\Program Files (x86)\\Zephyra");
    EXPECT_FALSE(job.desktopShortcut);
    EXPECT_TRUE(job.autostart);
  }
  EXPECT_EQ(rig.actions.cancelCalls.load(), 0);
}

TEST(InstallWorker, UnattendedAllSkipBitsRunsOnlyTheServiceStep) {
  Rig rig;
  rig.RunToEnd(Inputs(0x1F));
  EXPECT_EQ(rig.journal.Events(), (Events{"service", "ring:10", "ring:11", "ring:12", "ring:13", "ring:14",
                                          "report-autoupdate", "launch", "close"}));
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kInstalled);
}

TEST(InstallWorker, EachSkipBitLeavesOutOneStepAndKeepsTheRing) {
  const struct {
    ModeFlags mode;
    const char* missing;
  } cases[] = {{kSkipUnpack, "unpack"}, {kSkipDriver, "driver"}, {kSkipRegistration, "registration"},
               {kSkipShortcuts, "shortcuts"}};
  for (const auto& c : cases) {
    Rig rig;
    rig.RunToEnd(Inputs(c.mode));
    Events expected = {"unpack", "service", "ring:10", "driver", "ring:11", "registration", "ring:12", "shortcuts",
                       "ring:13", "ring:14", "report", "launch", "close"};
    expected.erase(std::find(expected.begin(), expected.end(), c.missing));
    EXPECT_EQ(rig.journal.Events(), expected) << c.missing;
  }
}

TEST(InstallWorker, ExtractionProgressReachesTheRingBeforeTheNextStep) {
  Rig rig;
  rig.actions.unpackBody = [](YdUnpakerProgress& progress) {
    progress.OnPercent(35.0, 0.0);
    progress.OnPercent(100.0, 0.0);
  };
  rig.RunToEnd(Inputs(0));
  const Events events = rig.journal.Events();
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ((Events{events[0], events[1], events[2], events[3]}),
            (Events{"unpack", "ring:3", "ring:10", "service"}));
}

TEST(InstallWorker, FailedExtractionStopsEverythingAndSaysSo) {
  Rig rig;
  rig.actions.unpackResult = false;
  rig.RunToEnd(Inputs(0));
  EXPECT_EQ(rig.journal.Events(), (Events{"unpack", "after-failed", "failed"}));
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kExtractionFailed);
  // Finished, so the window closes without asking.
  EXPECT_EQ(rig.worker.State(), InstallState::kFinished);
}

TEST(InstallWorker, TheCompletionGateGivesUpWhenNobodyAnswers) {
  Rig rig;
  rig.ui.onStep = nullptr;  // the window is gone: no notification 34
  rig.worker.SetCompletionLimit(300ms);
  rig.RunToEnd(Inputs(0));
  EXPECT_FALSE(rig.worker.GateAnswered());
  const Events events = rig.journal.Events();
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ((Events(events.end() - 4, events.end())), (Events{"ring:14", "report", "launch", "close"}));
}

TEST(InstallWorker, TheGateHoldsTheThreadUntilTheAnimationEnds) {
  Rig rig;
  rig.ui.onStep = nullptr;
  rig.worker.SetCompletionLimit(60s);
  ASSERT_TRUE(rig.worker.Start(Inputs(0)));
  ASSERT_TRUE(rig.journal.WaitFor("ring:14"));
  EXPECT_FALSE(rig.worker.WaitDone(300ms));
  EXPECT_EQ(rig.journal.Events().back(), "ring:14");  // no report before the animation ended
  rig.worker.CompletionAnimationEnded();
  ASSERT_TRUE(rig.worker.WaitDone(10s));
  EXPECT_TRUE(rig.worker.GateAnswered());
  EXPECT_EQ(rig.journal.Events().back(), "close");
}

TEST(InstallWorker, StartsOnlyOnce) {
  Rig rig;
  rig.RunToEnd(Inputs(0x1F));
  EXPECT_FALSE(rig.worker.Start(Inputs(0x1F)));
}

// A rig whose service step waits inside until the test lets it go, so the
// test can pause or cancel while a step runs.
struct HeldServiceRig : Rig {
  Latch in_service;
  Latch let_go;
  HeldServiceRig() {
    actions.hookStep = "service";
    actions.hook = [this] {
      in_service.Release();
      let_go.Wait();
    };
  }
};

TEST(InstallWorker, PauseHoldsTheThreadBetweenStepsUntilResume) {
  HeldServiceRig rig;
  ASSERT_TRUE(rig.worker.Start(Inputs(0)));
  rig.in_service.Wait();
  rig.worker.Pause();
  rig.let_go.Release();
  EXPECT_FALSE(rig.worker.WaitDone(400ms));
  EXPECT_EQ(rig.journal.Events(), (Events{"unpack", "service"}));  // held before the ring moved on
  rig.worker.Resume();
  ASSERT_TRUE(rig.worker.WaitDone(10s));
  EXPECT_EQ(rig.journal.Events().back(), "close");
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kInstalled);
}

TEST(InstallWorker, CancelWhilePausedEndsWithoutAnythingMore) {
  HeldServiceRig rig;
  ASSERT_TRUE(rig.worker.Start(Inputs(0)));
  rig.in_service.Wait();
  rig.worker.Pause();
  rig.let_go.Release();
  EXPECT_FALSE(rig.worker.WaitDone(200ms));
  rig.worker.Cancel();
  ASSERT_TRUE(rig.worker.WaitDone(10s));
  rig.worker.Join();
  EXPECT_EQ(rig.journal.Events(), (Events{"unpack", "service"}));
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kCancelled);
  EXPECT_EQ(rig.worker.State(), InstallState::kRunning);  // never finished
  EXPECT_EQ(rig.actions.cancelCalls.load(), 1);         // child waits told to end
}

TEST(InstallWorker, CancelDuringAStepEndsAtTheNextCheckPoint) {
  HeldServiceRig rig;
  ASSERT_TRUE(rig.worker.Start(Inputs(0)));
  rig.in_service.Wait();
  rig.worker.Cancel();
  rig.let_go.Release();
  ASSERT_TRUE(rig.worker.WaitDone(10s));
  EXPECT_EQ(rig.journal.Events(), (Events{"unpack", "service"}));
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kCancelled);
}

TEST(InstallWorker, CancelAtTheGateSkipsReportAndLaunch) {
  Rig rig;
  rig.worker.SetCompletionLimit(60s);
  rig.ui.onStep = [&](unsigned step) {
    if (step == kCompletionStep) rig.worker.Cancel();  // the user closed during the animation
  };
  ASSERT_TRUE(rig.worker.Start(Inputs(0)));
  ASSERT_TRUE(rig.worker.WaitDone(10s));  // well before the 60 s limit
  EXPECT_EQ(rig.journal.Events().back(), "ring:14");
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kCancelled);
}

// Extraction held at a progress report, as the unpacker holds after each.
struct HeldExtractionRig : Rig {
  Latch reported;
  std::atomic<bool> released{false};
  HeldExtractionRig() {
    actions.unpackBody = [this](YdUnpakerProgress& progress) {
      progress.OnPercent(50.0, 0.0);
      reported.Release();
      // Wait for the test's pause to be in place before holding.
      while (!paused_set.load()) std::this_thread::sleep_for(1ms);
      progress.WaitWhilePaused();
      released.store(true);
      progress.OnPercent(95.0, 0.0);  // dropped after a cancel
    };
  }
  std::atomic<bool> paused_set{false};
};

TEST(InstallWorker, PauseHoldsTheExtractionAtItsNextReport) {
  HeldExtractionRig rig;
  ASSERT_TRUE(rig.worker.Start(Inputs(0)));
  rig.reported.Wait();
  rig.worker.Pause();
  rig.paused_set.store(true);
  std::this_thread::sleep_for(300ms);
  EXPECT_FALSE(rig.released.load());
  rig.worker.Resume();
  ASSERT_TRUE(rig.worker.WaitDone(10s));
  EXPECT_TRUE(rig.released.load());
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kInstalled);
  const Events events = rig.journal.Events();
  EXPECT_EQ((Events{events[1], events[2]}), (Events{"ring:5", "ring:9"}));
}

TEST(InstallWorker, CancelDuringExtractionLetsItGoAndDropsLaterRingSteps) {
  HeldExtractionRig rig;
  ASSERT_TRUE(rig.worker.Start(Inputs(0)));
  rig.reported.Wait();
  rig.worker.Pause();
  rig.paused_set.store(true);
  std::this_thread::sleep_for(100ms);
  EXPECT_FALSE(rig.released.load());
  rig.worker.Cancel();
  ASSERT_TRUE(rig.worker.WaitDone(10s));
  EXPECT_TRUE(rig.released.load());
  EXPECT_EQ(rig.journal.Events(), (Events{"unpack", "ring:5"}));
  EXPECT_EQ(rig.worker.Outcome(), InstallOutcome::kCancelled);
}

TEST(InstallWorker, DestroyingARunningWorkerCancelsAndWaits) {
  Journal journal;
  RecordingUi ui(&journal);
  RecordingActions actions(&journal);
  Latch in_service;
  actions.hookStep = "service";
  actions.hook = [&] {
    in_service.Release();
    std::this_thread::sleep_for(200ms);
  };
  {
    YdInstallWorker worker(&ui, &actions);
    worker.Pause();
    ASSERT_TRUE(worker.Start(Inputs(0)));
    EXPECT_FALSE(worker.WaitDone(200ms));  // paused at the first check point
    worker.Resume();
    in_service.Wait();
    worker.Pause();
  }  // the destructor must not hang on the paused thread
  EXPECT_EQ(journal.Events(), (Events{"unpack", "service"}));
  EXPECT_EQ(actions.cancelCalls.load(), 1);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
