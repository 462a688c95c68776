// Animation tick arithmetic: easing, frame/limit boundaries of every kind,
// the parabolic move of 0x2008 and the fade curve; plus the timer id cycle.
#include <gtest/gtest.h>

#include <vector>

#include "ui/manager/animation_logic.h"
#include "ui/manager/timer_id_cycle.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(AnimationKinds, DefaultsAndEndNotifications) {
  EXPECT_EQ(DefaultAnimationInterval(0x2001), 10);
  EXPECT_EQ(DefaultAnimationInterval(0x2002), 100);
  EXPECT_EQ(DefaultAnimationInterval(0x2003), 0);
  EXPECT_EQ(DefaultAnimationInterval(0x2004), 35);
  EXPECT_EQ(DefaultAnimationInterval(0x2005), 40);
  EXPECT_EQ(DefaultAnimationInterval(0x2006), 40);
  EXPECT_EQ(DefaultAnimationInterval(0x2007), 200);
  EXPECT_EQ(DefaultAnimationInterval(0x2008), 10);
  EXPECT_EQ(DefaultAnimationInterval(0x2009), 20);
  EXPECT_EQ(DefaultAnimationInterval(0x2010), 0);

  EXPECT_EQ(CommandNotifyForKind(0x2001), 26);
  EXPECT_EQ(CommandNotifyForKind(0x2002), 27);
  EXPECT_EQ(CommandNotifyForKind(0x2003), 34);
  EXPECT_EQ(CommandNotifyForKind(0x2008), 33);
  for (int kind : {0x2004, 0x2005, 0x2006, 0x2007, 0x2009, 0x2000}) {
    EXPECT_EQ(CommandNotifyForKind(kind), 0) << std::hex << kind;
  }
  EXPECT_FALSE(IsAnimationKind(0x2000));
  EXPECT_TRUE(IsAnimationKind(0x2001));
  EXPECT_TRUE(IsAnimationKind(0x2009));
  EXPECT_FALSE(IsAnimationKind(0x200A));
  EXPECT_EQ(ShakeRotations(), (std::vector<double>{3, 0, -3, 0}));
}

TEST(AnimationMove, EasedPositionsRoundHalfAwayFromZero) {
  const YdPoint start{0, 0}, end{100, -8};
  // EaseOut(t, 4) = 0, 0.4375, 0.75, 0.9375 (exact in binary).
  YdMoveStep s = ComputeMoveStep(start, end, 0, 4, false);
  EXPECT_FALSE(s.finished);
  EXPECT_EQ(s.position, (YdPoint{0, 0}));
  s = ComputeMoveStep(start, end, 1, 4, false);
  EXPECT_EQ(s.position, (YdPoint{44, -4}));  // 43.75, -3.5 away from zero
  s = ComputeMoveStep(start, end, 2, 4, false);
  EXPECT_EQ(s.position, (YdPoint{75, -6}));
  s = ComputeMoveStep(start, end, 3, 4, false);
  EXPECT_EQ(s.position, (YdPoint{94, -8}));  // 93.75, -7.5
  s = ComputeMoveStep(start, end, 4, 4, false);
  EXPECT_TRUE(s.finished);
  EXPECT_EQ(s.position, end);
  // 24·7/16 = 10.5: away from zero, not to even.
  EXPECT_EQ(ComputeMoveStep(start, YdPoint{24, -24}, 1, 4, false).position, (YdPoint{11, -11}));
  s = ComputeMoveStep(YdPoint{20, 30}, YdPoint{30, 40}, 2, 4, false);
  EXPECT_EQ(s.position, (YdPoint{28, 38}));  // 7.5 -> 8, offsets added to the start
}

TEST(AnimationMove, LinearTruncatesTowardZeroAndZeroLimitEndsAtOnce) {
  YdMoveStep s = ComputeMoveStep(YdPoint{10, 10}, YdPoint{110, -45}, 3, 10, true);
  EXPECT_FALSE(s.finished);
  EXPECT_EQ(s.position, (YdPoint{40, -6}));  // 10 + 30, 10 + (-165/10 = -16)
  s = ComputeMoveStep(YdPoint{10, 10}, YdPoint{110, -45}, 0, 0, true);
  EXPECT_TRUE(s.finished);
  EXPECT_EQ(s.position, (YdPoint{110, -45}));
}

// Runs a list-driven kind until it ends; returns the indices shown.
template <typename Step>
std::vector<size_t> RunList(Step step, int limit, size_t count, int* notifies, int maxTicks = 100) {
  std::vector<size_t> shown;
  int t = 0;
  for (int tick = 0; tick < maxTicks; ++tick) {
    const YdListStep s = step(t, limit, count);
    if (s.apply) shown.push_back(s.index);
    if (s.raiseCustomNotify) ++*notifies;
    if (s.finished) return shown;
    t = s.next;
  }
  ADD_FAILURE() << "did not end";
  return shown;
}

TEST(AnimationFrames, LimitSevenWithEightFramesShowsEveryFrameOnce) {
  int notifies = 0;
  const auto shown = RunList(ComputeFrameStep, 7, 8, &notifies);
  EXPECT_EQ(shown, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(notifies, 7);  // the ending tick raises none; 34 follows from the finish
}

TEST(AnimationFrames, LimitShorterThanListEndsOnLastFrameAndNoLimitWraps) {
  int notifies = 0;
  EXPECT_EQ(RunList(ComputeFrameStep, 3, 8, &notifies), (std::vector<size_t>{0, 1, 2, 7}));
  const YdListStep s = ComputeFrameStep(9, 0, 8);
  EXPECT_FALSE(s.finished);
  EXPECT_EQ(s.index, 1u);
  EXPECT_EQ(s.next, 10);
}

TEST(AnimationCycle, SourceAndRotationListsRunToLimitPlusOne) {
  int notifies = 0;
  auto source = [](int t, int limit, size_t n) { return ComputeCycleStep(0x2002, t, limit, n); };
  EXPECT_EQ(RunList(source, 3, 2, &notifies), (std::vector<size_t>{0, 1, 0, 1}));
  EXPECT_EQ(notifies, 4);

  notifies = 0;
  auto shake = [](int t, int limit, size_t n) { return ComputeCycleStep(0x2005, t, limit, n); };
  EXPECT_EQ(RunList(shake, 5, 4, &notifies), (std::vector<size_t>{0, 1, 2, 3, 0, 1}));
  EXPECT_EQ(notifies, 0);  // rotations raise no step notification
}

TEST(AnimationCycle, EmptyListsNeverDivideByZero) {
  EXPECT_TRUE(ComputeCycleStep(0x2002, 0, 0, 0).finished);
  EXPECT_TRUE(ComputeCycleStep(0x2006, 4, 0, 0).finished);
  const YdListStep frame = ComputeFrameStep(0, 7, 0);
  EXPECT_TRUE(frame.finished);
  EXPECT_FALSE(frame.apply);
  // A text sequence with no texts just idles.
  const YdListStep text = ComputeTextStep(3, 0, 0);
  EXPECT_FALSE(text.finished);
  EXPECT_FALSE(text.apply);
  EXPECT_EQ(text.next, 3);
}

TEST(AnimationText, CyclesAndEndsAfterLimit) {
  int notifies = 0;
  EXPECT_EQ(RunList(ComputeTextStep, 4, 3, &notifies), (std::vector<size_t>{0, 1, 2, 0, 1}));
  EXPECT_EQ(notifies, 0);
}

TEST(AnimationRollText, OffsetGrowsByStepUntilPastLimit) {
  std::vector<int> offsets;
  int t = 0;
  for (int tick = 0; tick < 10; ++tick) {
    const YdRollStep s = ComputeRollStep(t, 3, 2);
    if (s.finished) break;
    offsets.push_back(s.offset);
    t = s.offset;
  }
  EXPECT_EQ(offsets, (std::vector<int>{2, 4}));  // 4 > 3 ends the next tick
  EXPECT_EQ(ComputeRollStep(1000, 0, 1).offset, 1001);
  EXPECT_FALSE(ComputeRollStep(1000, 0, 1).finished);
}

TEST(AnimationMoveResizeFade, LongTravelLengthensTheLimitOnTheFirstTickOnly) {
  YdMoveResizeFade p;
  p.end = {300, 400};  // d = 500: 6·(5 - 2) = 18 more ticks
  EXPECT_EQ(ComputeMoveResizeFadeStep(p, 0, 10).limit, 28);
  EXPECT_EQ(ComputeMoveResizeFadeStep(p, 1, 10).limit, 10);
  p.end = {0, 200};  // exactly 200: unchanged
  EXPECT_EQ(ComputeMoveResizeFadeStep(p, 0, 10).limit, 10);
  p.end = {0, 230};  // 6·0.3 = 1.8 truncated
  EXPECT_EQ(ComputeMoveResizeFadeStep(p, 0, 10).limit, 11);
  p.end = {0, 1000};  // a zero limit grows too
  const YdMoveResizeFadeStep s = ComputeMoveResizeFadeStep(p, 0, 0);
  EXPECT_EQ(s.limit, 48);
  EXPECT_FALSE(s.finished);
}

TEST(AnimationMoveResizeFade, ParabolicPathSizeAndFade) {
  YdMoveResizeFade p;
  p.start = {10, 20};
  p.end = {110, 70};
  p.startSize = {100, 10};
  p.endSize = {47, 20};
  p.startFade = 0;
  p.endFade = 255;
  // t = 5 of 10: R = 100·0.75 = 75, y offset = 75²·50/100² = 28.125.
  YdMoveResizeFadeStep s = ComputeMoveResizeFadeStep(p, 5, 10);
  EXPECT_FALSE(s.finished);
  EXPECT_EQ(s.position, (YdPoint{85, 48}));
  // t = 3: width 100 + (int)(3·-53/10 = -15.9) = 85, height 10 + 3, fade (int)76.5.
  s = ComputeMoveResizeFadeStep(p, 3, 10);
  EXPECT_EQ(s.size, (YdSize{85, 13}));
  EXPECT_EQ(s.fade, 76);
  // R = 51, y offset 51²·0.005 = 13.005.
  EXPECT_EQ(s.position, (YdPoint{61, 33}));
  s = ComputeMoveResizeFadeStep(p, 10, 10);
  EXPECT_TRUE(s.finished);
  EXPECT_EQ(s.position, p.end);
  EXPECT_EQ(s.size, p.endSize);
  EXPECT_EQ(s.fade, 255);
}

TEST(AnimationMoveResizeFade, StraightVerticalTravelUsesTheSameEasing) {
  YdMoveResizeFade p;
  p.start = {5, 5};
  p.end = {5, 105};
  p.startSize = p.endSize = {20, 20};
  for (int t = 0; t < 10; ++t) {
    const YdMoveResizeFadeStep s = ComputeMoveResizeFadeStep(p, t, 10);
    EXPECT_EQ(s.position.x, 5);
    EXPECT_EQ(s.position.y, ComputeMoveStep(p.start, p.end, t, 10, false).position.y) << t;
  }
  EXPECT_EQ(ComputeMoveResizeFadeStep(p, 5, 10).position, (YdPoint{5, 80}));
}

TEST(AnimationMoveResizeFade, DescriptorCarriesTheFade) {
  EXPECT_EQ(FormatFadeDescriptor(u"res='7' restype='PNG'", 76), u"res='7' restype='PNG' fade='76'");
  EXPECT_EQ(FormatFadeDescriptor(u"", 0), u" fade='0'");
}

TEST(AnimationFade, HalfWaveInAndOut) {
  EXPECT_EQ(ComputeFadeStep(0, 10, true).fade, 0);
  EXPECT_EQ(ComputeFadeStep(5, 10, true).fade, 127);  // 127.5 truncated
  EXPECT_EQ(ComputeFadeStep(10, 10, true).fade, 255);
  EXPECT_EQ(ComputeFadeStep(0, 10, false).fade, 255);
  EXPECT_EQ(ComputeFadeStep(5, 10, false).fade, 127);
  EXPECT_EQ(ComputeFadeStep(10, 10, false).fade, 0);
  int previous = -1;
  for (int t = 0; t <= 20; ++t) {
    const YdFadeStep s = ComputeFadeStep(t, 20, true);
    EXPECT_TRUE(s.apply);
    EXPECT_TRUE(s.raiseCustomNotify);
    EXPECT_FALSE(s.finished);
    EXPECT_GE(s.fade, previous) << t;
    previous = s.fade;
  }
  YdFadeStep end = ComputeFadeStep(11, 10, true);
  EXPECT_TRUE(end.finished);
  EXPECT_TRUE(end.apply);
  EXPECT_EQ(end.fade, 255);
  EXPECT_FALSE(end.raiseCustomNotify);
  end = ComputeFadeStep(11, 10, false);
  EXPECT_TRUE(end.finished);
  EXPECT_FALSE(end.apply);
}

TEST(AnimationFade, NoLimitEndsAtOnceWithTheFinalFade) {
  YdFadeStep s = ComputeFadeStep(0, 0, true);
  EXPECT_TRUE(s.finished);
  EXPECT_EQ(s.fade, 255);
  s = ComputeFadeStep(0, 0, false);
  EXPECT_TRUE(s.finished);
  EXPECT_TRUE(s.apply);
  EXPECT_EQ(s.fade, 0);
}

TEST(TimerIdCycle, StartsAt17AndWrapsThrough0To254) {
  YdTimerIdCycle ids;
  EXPECT_EQ(ids.Current(), 4096u);
  std::vector<unsigned> got;
  for (int i = 0; i < 239 + 255; ++i) got.push_back(ids.Next());
  EXPECT_EQ(got[0], 17u);
  EXPECT_EQ(got[237], 254u);
  EXPECT_EQ(got[238], 0u);  // the 239th identifier
  EXPECT_EQ(got[239], 1u);
  for (size_t i = 0; i + 255 < got.size(); ++i) ASSERT_EQ(got[i], got[i + 255]) << i;
  for (unsigned id : got) ASSERT_LT(id, 255u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
