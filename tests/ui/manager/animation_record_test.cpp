// Animation records driven tick by tick as the animation manager drives
// them: the installer's completion animation, a shake with its restore,
// the lengthened 0x2008 limit and the fade bookkeeping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/manager/animation_record.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using C = YdAnimationChange;

// Ticks until the record finishes; returns the changes.
std::vector<C> RunToEnd(YdAnimationRecord& r, int maxTicks = 200) {
  std::vector<C> changes;
  for (int i = 0; i < maxTicks; ++i) {
    changes.push_back(StepAnimation(r));
    if (changes.back().finished) return changes;
  }
  ADD_FAILURE() << "did not finish";
  return changes;
}

TEST(AnimationRecord, CompletionFrameSequence) {
  YdAnimationRecord r;
  r.kind = kAnimationFrameSequence;
  r.limit = 7;
  for (int i = 0; i < 8; ++i) r.frames.push_back(u"res='" + std::u16string(1, u'0' + i) + u"'");
  EXPECT_EQ(PrepareAnimation(r, 50, 0.0), 50);
  const std::vector<C> changes = RunToEnd(r);
  ASSERT_EQ(changes.size(), 8u);
  int custom = 0;
  for (size_t i = 0; i < changes.size(); ++i) {
    EXPECT_EQ(changes[i].target, C::kNormalImage);
    EXPECT_EQ(changes[i].text, r.frames[i]);
    EXPECT_TRUE(changes[i].repaint);
    custom += changes[i].raiseCustomNotify;
  }
  EXPECT_EQ(custom, 7);
  EXPECT_EQ(RestoreAtFinish(r).target, C::kNothing);
  EXPECT_EQ(CommandNotifyForKind(r.kind), 34);
}

TEST(AnimationRecord, ShakeRestoresTheStoredRotation) {
  YdAnimationRecord r;
  r.kind = kAnimationShake;
  r.limit = 5;
  EXPECT_EQ(PrepareAnimation(r, 0, 12.5), 40);
  EXPECT_TRUE(r.restoreAtEnd);
  std::vector<double> shown;
  for (const C& c : RunToEnd(r)) {
    if (c.target == C::kOverlayRotate) shown.push_back(c.rotation);
  }
  EXPECT_EQ(shown, (std::vector<double>{3, 0, -3, 0, 3, 0}));
  const C restore = RestoreAtFinish(r);
  EXPECT_EQ(restore.target, C::kOverlayRotate);
  EXPECT_EQ(restore.rotation, 12.5);
}

TEST(AnimationRecord, MoveEndsOnTargetAndRestoresIt) {
  YdAnimationRecord r;
  r.kind = kAnimationMove;
  r.limit = 4;
  r.start = {0, 0};
  r.end = {100, -8};
  EXPECT_EQ(PrepareAnimation(r, 0, 0.0), 10);
  const std::vector<C> changes = RunToEnd(r);
  ASSERT_EQ(changes.size(), 5u);
  EXPECT_EQ(changes[1].position, (YdPoint{44, -4}));
  EXPECT_EQ(changes.back().position, r.end);
  EXPECT_EQ(RestoreAtFinish(r).position, r.end);
  EXPECT_EQ(RestoreAtFinish(r).target, C::kFixedPosition);
}

TEST(AnimationRecord, MoveResizeFadeKeepsTheLengthenedLimit) {
  YdAnimationRecord r;
  r.kind = kAnimationMoveResizeFade;
  r.limit = 10;
  r.moveResizeFade.end = {300, 400};
  r.moveResizeFade.startFade = 0;
  r.moveResizeFade.endFade = 200;
  r.baseDescriptor = u"res='5'";
  const C first = StepAnimation(r);
  EXPECT_EQ(r.limit, 28);
  EXPECT_EQ(first.text, u"res='5' fade='0'");
  const std::vector<C> rest = RunToEnd(r);
  EXPECT_EQ(rest.size(), 28u);  // ticks 1..27 and the finishing tick 28
  EXPECT_EQ(rest.back().text, u"res='5' fade='200'");
  EXPECT_EQ(rest.back().position, r.moveResizeFade.end);
}

TEST(AnimationRecord, FadeTracksTheCurrentValueAndRollTextRestoresZero) {
  YdAnimationRecord fade;
  fade.kind = kAnimationFade;
  fade.limit = 4;
  fade.fadeIn = false;
  StepAnimation(fade);
  EXPECT_EQ(fade.currentFade, 255);
  StepAnimation(fade);
  StepAnimation(fade);
  EXPECT_EQ(fade.currentFade, 127);
  EXPECT_EQ(RunToEnd(fade).size(), 3u);  // t = 3, 4 and the ending tick
  EXPECT_EQ(fade.currentFade, 0);

  YdAnimationRecord roll;
  roll.kind = kAnimationRollText;
  roll.restoreAtEnd = true;
  EXPECT_EQ(PrepareAnimation(roll, 0, 0.0), 35);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(StepAnimation(roll).number, i);
  EXPECT_EQ(RestoreAtFinish(roll).target, C::kOverlayRollText);
  EXPECT_EQ(RestoreAtFinish(roll).number, 0);
}

TEST(AnimationRecord, EmptyListsAndUnknownKinds) {
  YdAnimationRecord text;
  text.kind = kAnimationTextSequence;
  EXPECT_FALSE(StepAnimation(text).finished);
  EXPECT_EQ(RestoreAtFinish(text).target, C::kNothing);
  YdAnimationRecord source;
  source.kind = kAnimationSourceCycle;
  EXPECT_TRUE(StepAnimation(source).finished);
  YdAnimationRecord unknown;
  unknown.kind = 0x2100;
  EXPECT_TRUE(StepAnimation(unknown).finished);
  EXPECT_EQ(PrepareAnimation(unknown, 0, 0.0), 0);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
