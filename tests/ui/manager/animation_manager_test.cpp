// animation_manager_test.cpp -- every animation kind driven through WM_TIMER
// on a real window: what the control shows after each tick (checked against
// the step arithmetic), the notifications on the way and at the end, the
// restore at the finish, and the bookkeeping of records and timers.
#include <cmath>

#include "tests/ui/manager/manager_fixture.h"
#include "ui/manager/animation_logic.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

class AnimationTest : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    c_ = new RecordingControl(L"c", 1, {0, 0, 40, 40});
    AttachTree({c_});
    PaintNow(hwnd_);
    notes_.clear();
  }
  YdAnimationManager& anim() { return manager_->Animations(); }
  void Tick(int kind) {
    const UINT_PTR id = anim().TimerOf(c_, kind);
    ASSERT_NE(id, 0u);
    ::SendMessageW(hwnd_, WM_TIMER, id, 0);
  }
  RecordingControl* c_ = nullptr;
};

TEST_F(AnimationTest, FrameSequenceShowsSevenFramesThenTheLastAndRaisesThirtyFourOnce) {
  YdAnimationRecord r;
  r.limit = 7;
  for (int i = 0; i < 8; ++i) r.frames.push_back(ToUtf16(L"file='f" + std::to_wstring(i) + L"'"));
  ASSERT_TRUE(anim().StartAnimation(kAnimationFrameSequence, c_, 50, r));
  EXPECT_FALSE(anim().StartAnimation(kAnimationFrameSequence, c_, 50, r));  // runs already
  for (int t = 0; t < 7; ++t) {
    Tick(kAnimationFrameSequence);
    EXPECT_EQ(c_->GetNormalImage(), L"file='f" + std::to_wstring(t) + L"'");
    EXPECT_EQ(CountNotes(kNotifyCustom), t + 1);
  }
  EXPECT_EQ(CountNotes(kNotifyFrameSequenceEnd), 0);
  Tick(kAnimationFrameSequence);
  EXPECT_EQ(c_->GetNormalImage(), L"file='f7'");
  EXPECT_EQ(CountNotes(kNotifyFrameSequenceEnd), 1);
  EXPECT_EQ(CountNotes(kNotifyCustom), 7);  // the last tick raises no step notification
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationFrameSequence));
  EXPECT_EQ(notes_.back().sender, c_);
}

TEST_F(AnimationTest, FrameSequenceRunsOnTheRealTimer) {
  YdAnimationRecord r;
  r.limit = 3;
  r.frames = {u"a", u"b", u"c", u"d"};
  // The frames name no images, so the paints in between clear them; the
  // frame shown is read when the notifications arrive.
  std::vector<std::wstring> shown;
  listener_.onNotify = [&](YdNotifyMsg&) { shown.push_back(c_->GetNormalImage()); };
  ASSERT_TRUE(anim().StartAnimation(kAnimationFrameSequence, c_, 10, r));
  for (int i = 0; i < 100 && anim().IsRunning(c_, kAnimationFrameSequence); ++i) PumpFor(10);
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationFrameSequence));
  EXPECT_EQ(CountNotes(kNotifyFrameSequenceEnd), 1);
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"a", L"b", L"c", L"d"}));
}

TEST_F(AnimationTest, MoveEasesToTheTargetAndMarksTheLayout) {
  YdAnimationRecord r;
  r.limit = 5;
  r.start = {0, 0};
  r.end = {100, 50};
  ASSERT_TRUE(anim().StartAnimation(kAnimationMove, c_, 0, r));
  for (int t = 0; t < 5; ++t) {
    Tick(kAnimationMove);
    const YdMoveStep expected = ComputeMoveStep(r.start, r.end, t, 5, false);
    EXPECT_EQ(c_->GetFixedXY().x, expected.position.x) << "tick " << t;
    EXPECT_EQ(c_->GetFixedXY().y, expected.position.y) << "tick " << t;
    EXPECT_TRUE(manager_->GetRoot()->NeedsLayout());
  }
  EXPECT_EQ(c_->GetFixedXY().x, 96);  // 100·(2·4/5 - 16/25) = 96
  Tick(kAnimationMove);
  EXPECT_EQ(c_->GetFixedXY().x, 100);
  EXPECT_EQ(c_->GetFixedXY().y, 50);
  EXPECT_EQ(CountNotes(kNotifyMoveEnd), 1);
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationMove));
}

TEST_F(AnimationTest, SourceCycleWritesTheOverlayAndRestoresTheStoredSource) {
  YdAnimationRecord r;
  r.limit = 2;
  r.sources = {{0, 0, 10, 10}, {10, 0, 20, 10}};
  r.restoreAtEnd = true;
  r.storedSource = {5, 6, 7, 8};
  ASSERT_TRUE(anim().StartAnimation(kAnimationSourceCycle, c_, 0, r));
  Tick(kAnimationSourceCycle);
  EXPECT_EQ(c_->GetOverlayValue(L"source"), L"0,0,10,10");
  Tick(kAnimationSourceCycle);
  EXPECT_EQ(c_->GetOverlayValue(L"source"), L"10,0,20,10");
  Tick(kAnimationSourceCycle);  // t = 2 = T: still shown
  EXPECT_EQ(c_->GetOverlayValue(L"source"), L"0,0,10,10");
  EXPECT_EQ(CountNotes(kNotifyCustom), 3);
  Tick(kAnimationSourceCycle);  // t > T: ends, restores
  EXPECT_EQ(c_->GetOverlayValue(L"source"), L"5,6,7,8");
  EXPECT_EQ(CountNotes(kNotifySourceCycleEnd), 1);
}

TEST_F(AnimationTest, RollTextGrowsByTheStepAndRemovalLeavesNoNotification) {
  YdAnimationRecord r;
  r.rollStep = 2;
  ASSERT_TRUE(anim().StartAnimation(kAnimationRollText, c_, 0, r));
  Tick(kAnimationRollText);
  Tick(kAnimationRollText);
  Tick(kAnimationRollText);
  EXPECT_EQ(c_->GetOverlayValue(L"rolltext"), L"6");
  EXPECT_EQ(c_->GetRollOffset(), 6);
  EXPECT_TRUE(anim().RemoveAnimation(c_, kAnimationRollText));
  EXPECT_EQ(notes_.size(), 0u);
}

TEST_F(AnimationTest, ShakeRotatesThroughItsListAndRestoresTheRotation) {
  c_->SetEffectOverlay(L"rotate='7'");
  YdAnimationRecord r;
  r.limit = 4;
  ASSERT_TRUE(anim().StartAnimation(kAnimationShake, c_, 0, r));
  const wchar_t* expected[] = {L"3", L"0", L"-3", L"0", L"3"};
  for (const wchar_t* e : expected) {
    Tick(kAnimationShake);
    EXPECT_EQ(c_->GetOverlayValue(L"rotate"), e);
  }
  Tick(kAnimationShake);  // t = 5 > 4: ends
  EXPECT_EQ(c_->GetOverlayValue(L"rotate"), L"7");  // the rotation before the shake
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationShake));
  EXPECT_EQ(notes_.size(), 0u);  // 0x2005 raises no notification
}

TEST_F(AnimationTest, RotationListUsesItsOwnValues) {
  YdAnimationRecord r;
  r.limit = 1;
  r.rotations = {90.0, 180.5};
  ASSERT_TRUE(anim().StartAnimation(kAnimationRotationList, c_, 0, r));
  Tick(kAnimationRotationList);
  EXPECT_EQ(c_->GetOverlayValue(L"rotate"), L"90");
  Tick(kAnimationRotationList);
  EXPECT_EQ(c_->GetOverlayValue(L"rotate"), L"180.5");
  Tick(kAnimationRotationList);
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationRotationList));
}

TEST_F(AnimationTest, TextSequenceCyclesTextsAndRestoresTheFirst) {
  YdAnimationRecord r;
  r.limit = 2;
  r.texts = {u"one", u"two"};
  r.restoreAtEnd = true;
  ASSERT_TRUE(anim().StartAnimation(kAnimationTextSequence, c_, 0, r));
  Tick(kAnimationTextSequence);
  EXPECT_EQ(c_->GetText(), L"one");
  Tick(kAnimationTextSequence);
  EXPECT_EQ(c_->GetText(), L"two");
  Tick(kAnimationTextSequence);
  EXPECT_EQ(c_->GetText(), L"one");
  c_->SetText(L"other");
  Tick(kAnimationTextSequence);
  EXPECT_EQ(c_->GetText(), L"one");
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationTextSequence));
}

TEST_F(AnimationTest, EmptyTextSequenceDoesNothingAndKeepsRunning) {
  YdAnimationRecord r;
  r.limit = 1;
  c_->SetText(L"kept");
  ASSERT_TRUE(anim().StartAnimation(kAnimationTextSequence, c_, 0, r));
  for (int i = 0; i < 4; ++i) Tick(kAnimationTextSequence);
  EXPECT_EQ(c_->GetText(), L"kept");
  EXPECT_TRUE(anim().IsRunning(c_, kAnimationTextSequence));
}

TEST_F(AnimationTest, MoveResizeFadeFollowsTheParabolaAndEndsAtTheTarget) {
  YdAnimationRecord r;
  r.limit = 4;
  r.moveResizeFade.start = {0, 0};
  r.moveResizeFade.end = {300, 90};  // d > 200: the limit grows on the first tick
  r.moveResizeFade.startSize = {10, 20};
  r.moveResizeFade.endSize = {50, 60};
  r.moveResizeFade.startFade = 40;
  r.moveResizeFade.endFade = 240;
  r.baseDescriptor = u"file='x'";
  ASSERT_TRUE(anim().StartAnimation(kAnimationMoveResizeFade, c_, 0, r));
  int limit = 4;
  int ticks = 0;
  for (int t = 0;; ++t) {
    const YdMoveResizeFadeStep e = ComputeMoveResizeFadeStep(r.moveResizeFade, t, limit);
    limit = e.limit;
    Tick(kAnimationMoveResizeFade);
    ++ticks;
    EXPECT_EQ(c_->GetFixedXY().x, e.position.x) << "tick " << t;
    EXPECT_EQ(c_->GetFixedXY().y, e.position.y) << "tick " << t;
    EXPECT_EQ(c_->GetFixedWidth(), e.size.cx) << "tick " << t;
    EXPECT_EQ(c_->GetFixedHeight(), e.size.cy) << "tick " << t;
    EXPECT_EQ(c_->GetNormalImage(), L"file='x' fade='" + std::to_wstring(e.fade) + L"'") << "tick " << t;
    if (e.finished) break;
    ASSERT_LT(t, 100);
  }
  EXPECT_EQ(ticks, 4 + 6 + 1);  // d = 313.2: 6·(3.132 - 2) = 6 more ticks, then the end
  EXPECT_EQ(c_->GetFixedXY().x, 300);
  EXPECT_EQ(c_->GetNormalImage(), L"file='x' fade='240'");
  EXPECT_EQ(CountNotes(kNotifyMoveResizeFadeEnd), 1);
}

TEST_F(AnimationTest, FadeInFollowsTheHalfSineAndEndsOpaque) {
  YdAnimationRecord r;
  r.limit = 4;
  r.fadeIn = true;
  ASSERT_TRUE(anim().StartAnimation(kAnimationFade, c_, 0, r));
  for (int t = 0; t <= 4; ++t) {
    Tick(kAnimationFade);
    const YdFadeStep e = ComputeFadeStep(t, 4, true);
    EXPECT_EQ(c_->GetOverlayValue(L"fade"), std::to_wstring(e.fade)) << "tick " << t;
  }
  EXPECT_EQ(c_->GetOverlayValue(L"fade"), L"255");
  EXPECT_EQ(CountNotes(kNotifyCustom), 5);
  Tick(kAnimationFade);
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationFade));
  EXPECT_EQ(c_->GetOverlayValue(L"fade"), L"255");
}

TEST_F(AnimationTest, FadeOutGoesToZero) {
  YdAnimationRecord r;
  r.limit = 2;
  r.fadeIn = false;
  ASSERT_TRUE(anim().StartAnimation(kAnimationFade, c_, 0, r));
  Tick(kAnimationFade);
  EXPECT_EQ(c_->GetOverlayValue(L"fade"), L"255");
  Tick(kAnimationFade);
  EXPECT_EQ(c_->GetOverlayValue(L"fade"), L"127");
  Tick(kAnimationFade);
  EXPECT_EQ(c_->GetOverlayValue(L"fade"), L"0");
}

TEST_F(AnimationTest, StartRefusalsAndRemovalWithTheControl) {
  YdAnimationRecord r;
  r.frames = {u"a"};
  EXPECT_FALSE(anim().StartAnimation(kAnimationFrameSequence, nullptr, 10, r));
  RecordingControl orphan;  // no manager
  EXPECT_FALSE(anim().StartAnimation(kAnimationFrameSequence, &orphan, 10, r));
  EXPECT_FALSE(anim().StartAnimation(0x2000, c_, 10, r));
  ASSERT_TRUE(anim().StartAnimation(kAnimationFrameSequence, c_, 10, r));
  ASSERT_TRUE(anim().StartAnimation(kAnimationRollText, c_, 0, r));
  EXPECT_EQ(anim().Count(), 2u);
  const UINT_PTR first = anim().TimerOf(c_, kAnimationFrameSequence);
  const UINT_PTR second = anim().TimerOf(c_, kAnimationRollText);
  EXPECT_EQ(first, 17u);  // raw timers come from the manager's cycle
  EXPECT_EQ(second, 18u);
  auto* root = static_cast<TestContainer*>(manager_->GetRoot());
  root->Remove(c_);
  delete c_;
  c_ = nullptr;
  EXPECT_EQ(anim().Count(), 0u);
  // A late tick of a removed record reaches nothing.
  EXPECT_FALSE(anim().OnTimer(first));
}

TEST_F(AnimationTest, ListenerRemovingTheAnimationDuringAStepIsSafe) {
  YdAnimationRecord r;
  r.limit = 5;
  r.frames = {u"a", u"b"};
  ASSERT_TRUE(anim().StartAnimation(kAnimationFrameSequence, c_, 0, r));
  listener_.onNotify = [&](YdNotifyMsg& msg) {
    if (msg.type == kNotifyCustom) anim().RemoveAnimation(c_, kAnimationFrameSequence);
  };
  Tick(kAnimationFrameSequence);
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationFrameSequence));
  EXPECT_EQ(CountNotes(kNotifyFrameSequenceEnd), 0);  // removed, not finished
}

TEST_F(AnimationTest, EnterRollTextStartsOnEnterAndStopsOnLeave) {
  c_->ApplyAttribute(L"flags", L"enterrolltext");
  c_->ApplyAttribute(L"normaltextpadding", L"5,5,5,5");
  ::SendMessageW(hwnd_, WM_MOUSEMOVE, 0, PointParam(2, 2));  // in the control, outside the text area
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationRollText));
  ::SendMessageW(hwnd_, WM_MOUSEMOVE, 0, PointParam(20, 20));
  ASSERT_TRUE(anim().IsRunning(c_, kAnimationRollText));
  EXPECT_EQ(anim().Find(c_, kAnimationRollText)->limit, 0);
  Tick(kAnimationRollText);
  Tick(kAnimationRollText);
  EXPECT_EQ(c_->GetRollOffset(), 2);
  ::SendMessageW(hwnd_, WM_MOUSEMOVE, 0, PointParam(200, 150));
  EXPECT_FALSE(anim().IsRunning(c_, kAnimationRollText));
  EXPECT_EQ(c_->GetRollOffset(), 0);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
