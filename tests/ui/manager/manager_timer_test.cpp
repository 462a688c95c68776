// manager_timer_test.cpp -- control timers on real window timers: the id
// cycle, reuse, stopping all timers of a control, delivery with the local
// id, and timer listeners.
#include "tests/ui/manager/manager_fixture.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

unsigned TimerIdOf(const YdPaintManager& m, YdControl* c, int localId) {
  for (const auto& r : m.ControlTimers().Records()) {
    if (r.control == c && r.localId == localId) return r.timerId;
  }
  return 9999;
}

TEST_F(ManagerTest, ControlTimersTakeIdsFromTheCycleAndReuseTheirId) {
  auto* a = new RecordingControl(L"a");
  AttachTree({a});
  ASSERT_TRUE(manager_->StartControlTimer(a, 5, 1000));
  EXPECT_EQ(TimerIdOf(*manager_, a, 5), 17u);  // the first id handed out
  ASSERT_TRUE(manager_->StartControlTimer(a, 6, 1000));
  EXPECT_EQ(TimerIdOf(*manager_, a, 6), 18u);
  ASSERT_TRUE(manager_->StartControlTimer(a, 5, 20));  // same pair again
  EXPECT_EQ(TimerIdOf(*manager_, a, 5), 17u);
  EXPECT_EQ(manager_->ControlTimers().Records().size(), 2u);
  EXPECT_EQ(manager_->ControlTimers().Records()[0].intervalMs, 1000u);  // keeps its old interval
  // The restarted timer runs with the new interval: ticks arrive quickly.
  PumpFor(150);
  EXPECT_GE(a->Count(kEventTimer), 2);
  for (const YdEvent& e : a->events_) {
    if (e.type == kEventTimer) {
      EXPECT_EQ(e.wParam, 5u);  // the local id, not the window id
    }
  }
}

TEST_F(ManagerTest, StoppingWithTheAllTimersIdKillsEveryTimerOfTheControl) {
  auto* a = new RecordingControl(L"a");
  auto* b = new RecordingControl(L"b");
  AttachTree({a, b});
  ASSERT_TRUE(manager_->StartControlTimer(a, 1, 10));
  ASSERT_TRUE(manager_->StartControlTimer(a, 2, 10));
  ASSERT_TRUE(manager_->StartControlTimer(b, 1, 10));
  EXPECT_TRUE(manager_->StopControlTimer(a, kAllControlTimers));
  EXPECT_FALSE(manager_->StopControlTimer(a, 1));
  PumpFor(120);
  EXPECT_EQ(a->Count(kEventTimer), 0);  // both killed
  EXPECT_GE(b->Count(kEventTimer), 2);
  EXPECT_TRUE(manager_->StopControlTimer(b, 1));
  b->events_.clear();
  PumpFor(60);
  EXPECT_EQ(b->Count(kEventTimer), 0);
}

TEST_F(ManagerTest, IdsRunThroughZeroToTwoHundredFiftyFourAndRepeat) {
  auto* a = new RecordingControl(L"a");
  AttachTree({a});
  for (int i = 1; i <= 239; ++i) ASSERT_TRUE(manager_->StartControlTimer(a, i, 100000));
  EXPECT_EQ(TimerIdOf(*manager_, a, 238), 254u);
  EXPECT_EQ(TimerIdOf(*manager_, a, 239), 0u);  // the 239th wraps to 0
  EXPECT_EQ(manager_->AllocateRawTimer(100000), 1);  // animations share the counter
  ::KillTimer(hwnd_, 1);
  manager_->StopAllTimers();
  EXPECT_TRUE(manager_->ControlTimers().Records().empty());
}

// After the cycle wraps, an id still held by a running control timer or
// animation is skipped: sharing it, one owner's stop would kill the other's.
TEST_F(ManagerTest, IdsStillHeldAreSkippedWhenTheCycleComesRound) {
  auto* a = new RecordingControl(L"a");
  auto* b = new RecordingControl(L"b");
  AttachTree({a, b});
  ASSERT_TRUE(manager_->StartControlTimer(a, 1, 20));
  ASSERT_EQ(TimerIdOf(*manager_, a, 1), 17u);
  ASSERT_TRUE(manager_->Animations().StartAnimation(kAnimationRollText, a, 100000, YdAnimationRecord{}));
  ASSERT_EQ(manager_->Animations().TimerOf(a, kAnimationRollText), 18u);
  for (int i = 0; i < 253; ++i) {  // b takes and gives back 19..254 and 0..16
    ASSERT_TRUE(manager_->StartControlTimer(b, 1, 100000));
    ASSERT_TRUE(manager_->StopControlTimer(b, 1));
  }
  ASSERT_TRUE(manager_->StartControlTimer(b, 1, 100000));
  EXPECT_EQ(TimerIdOf(*manager_, b, 1), 19u);
  ASSERT_TRUE(manager_->StopControlTimer(b, 1));
  a->events_.clear();
  PumpFor(120);
  EXPECT_GE(a->Count(kEventTimer), 2);  // a's timer still runs
}

// Timers and animations stay with the control's own manager, the one its
// destruction tells: another manager refuses them, and a control that
// moves to another manager leaves none behind.
TEST_F(ManagerTest, TimersAndAnimationsStayWithTheControlsOwnManager) {
  auto* a = new RecordingControl(L"a");
  AttachTree({a});
  YdPaintManager other;
  other.BindWindow(hwnd_);
  EXPECT_FALSE(other.StartControlTimer(a, 1, 100000));
  EXPECT_FALSE(other.Animations().StartAnimation(kAnimationRollText, a, 100000, YdAnimationRecord{}));
  other.AddTimerListener(a);
  EXPECT_EQ(other.TimerListenerCount(), 0u);
  ASSERT_TRUE(manager_->StartControlTimer(a, 1, 100000));
  ASSERT_TRUE(manager_->Animations().StartAnimation(kAnimationRollText, a, 100000, YdAnimationRecord{}));
  manager_->AddTimerListener(a);
  a->SetManager(&other);
  EXPECT_TRUE(manager_->ControlTimers().Records().empty());
  EXPECT_EQ(manager_->Animations().Count(), 0u);
  EXPECT_EQ(manager_->TimerListenerCount(), 0u);
  a->SetManager(manager_);
}

TEST_F(ManagerTest, TimerListenersReceiveEveryTimerWithTheRawId) {
  auto* a = new RecordingControl(L"a");
  auto* owner = new RecordingControl(L"owner");
  AttachTree({a, owner});
  manager_->AddTimerListener(a);
  manager_->AddTimerListener(a);  // once only
  ASSERT_TRUE(manager_->StartControlTimer(owner, 42, 100000));
  const unsigned id = TimerIdOf(*manager_, owner, 42);
  ::SendMessageW(hwnd_, WM_TIMER, id, 0);
  ::SendMessageW(hwnd_, WM_TIMER, 258, 0);
  ASSERT_EQ(a->Count(kEventTimer), 2);
  EXPECT_EQ(a->events_[0].wParam, id);
  EXPECT_EQ(a->events_[1].wParam, 258u);
  ASSERT_EQ(owner->Count(kEventTimer), 1);  // only its own id
  EXPECT_EQ(owner->Last(kEventTimer)->wParam, 42u);
  manager_->RemoveTimerListener(a);
  ::SendMessageW(hwnd_, WM_TIMER, 258, 0);
  EXPECT_EQ(a->Count(kEventTimer), 2);
}

// One timer reaches its listeners, then the controls it belongs to. A
// target may take a later listener out or stop a later target's timer (its
// control may be gone): the timer under way skips them.
TEST_F(ManagerTest, ATimerSkipsListenersAndTimersAnEarlierTargetTookAway) {
  auto* first = new RecordingControl(L"first");
  auto* second = new RecordingControl(L"second");
  auto* owner = new RecordingControl(L"owner");
  AttachTree({first, second, owner});
  manager_->AddTimerListener(first);
  manager_->AddTimerListener(second);
  ASSERT_TRUE(manager_->StartControlTimer(owner, 42, 100000));
  const unsigned id = TimerIdOf(*manager_, owner, 42);
  first->onEvent = [&](const YdEvent&) {
    manager_->RemoveTimerListener(second);
    manager_->StopControlTimer(owner, 42);
  };
  ::SendMessageW(hwnd_, WM_TIMER, id, 0);
  EXPECT_EQ(first->Count(kEventTimer), 1);
  EXPECT_EQ(second->Count(kEventTimer), 0);
  EXPECT_EQ(owner->Count(kEventTimer), 0);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
