// animation_record.cpp -- start, tick and restore of a control animation.
#include "ui/manager/animation_record.h"

namespace ZEPHYRA_NAMESPACE {

int PrepareAnimation(YdAnimationRecord& record, int intervalMs, double currentOverlayRotation) {
  if (record.kind == kAnimationShake) {
    record.rotations = ShakeRotations();
    record.storedRotation = currentOverlayRotation;
    record.restoreAtEnd = true;
  }
  return intervalMs > 0 ? intervalMs : DefaultAnimationInterval(record.kind);
}

namespace {

using C = YdAnimationChange;

C FromList(const YdListStep& s, C::Target target) {
  C c;
  c.finished = s.finished;
  c.raiseCustomNotify = s.raiseCustomNotify;
  if (s.apply) {
    c.target = target;
    c.repaint = true;
  }
  return c;
}

}  // namespace

YdAnimationChange StepAnimation(YdAnimationRecord& r) {
  C c;
  switch (r.kind) {
    case kAnimationMove: {
      const YdMoveStep s = ComputeMoveStep(r.start, r.end, r.counter, r.limit, r.linear);
      c.target = C::kFixedPosition;
      c.position = s.position;
      c.repaint = true;
      c.finished = s.finished;
      if (!s.finished) ++r.counter;
      return c;
    }
    case kAnimationSourceCycle: {
      const YdListStep s = ComputeCycleStep(r.kind, r.counter, r.limit, r.sources.size());
      c = FromList(s, C::kOverlaySource);
      if (s.apply) c.rect = r.sources[s.index];
      if (!s.finished) r.counter = s.next;
      return c;
    }
    case kAnimationFrameSequence: {
      const YdListStep s = ComputeFrameStep(r.counter, r.limit, r.frames.size());
      c = FromList(s, C::kNormalImage);
      if (s.apply) c.text = r.frames[s.index];
      if (!s.finished) r.counter = s.next;
      return c;
    }
    case kAnimationRollText: {
      const YdRollStep s = ComputeRollStep(r.counter, r.limit, r.rollStep);
      c.finished = s.finished;
      if (!s.finished) {
        r.counter = s.offset;
        c.target = C::kOverlayRollText;
        c.number = s.offset;
        c.repaint = true;
      }
      return c;
    }
    case kAnimationShake:
    case kAnimationRotationList: {
      const YdListStep s = ComputeCycleStep(r.kind, r.counter, r.limit, r.rotations.size());
      c = FromList(s, C::kOverlayRotate);
      if (s.apply) c.rotation = r.rotations[s.index];
      if (!s.finished) r.counter = s.next;
      return c;
    }
    case kAnimationTextSequence: {
      const YdListStep s = ComputeTextStep(r.counter, r.limit, r.texts.size());
      c = FromList(s, C::kText);
      if (s.apply) c.text = r.texts[s.index];
      r.counter = s.finished ? r.counter : s.next;
      return c;
    }
    case kAnimationMoveResizeFade: {
      const YdMoveResizeFadeStep s = ComputeMoveResizeFadeStep(r.moveResizeFade, r.counter, r.limit);
      r.limit = s.limit;
      c.target = C::kMoveResizeFade;
      c.position = s.position;
      c.size = s.size;
      c.number = s.fade;
      c.text = FormatFadeDescriptor(r.baseDescriptor, s.fade);
      c.repaint = true;
      c.finished = s.finished;
      if (!s.finished) ++r.counter;
      return c;
    }
    case kAnimationFade: {
      const YdFadeStep s = ComputeFadeStep(r.counter, r.limit, r.fadeIn);
      c.finished = s.finished;
      c.raiseCustomNotify = s.raiseCustomNotify;
      if (s.apply) {
        c.target = C::kOverlayFade;
        c.number = s.fade;
        c.repaint = true;
        r.currentFade = s.fade;
      }
      if (!s.finished) ++r.counter;
      return c;
    }
    default:
      c.finished = true;  // an unknown kind does nothing and ends
      return c;
  }
}

YdAnimationChange RestoreAtFinish(const YdAnimationRecord& r) {
  C c;
  switch (r.kind) {
    case kAnimationMove:
      c.target = C::kFixedPosition;
      c.position = r.end;
      break;
    case kAnimationSourceCycle:
      c.target = C::kOverlaySource;
      c.rect = r.storedSource;
      break;
    case kAnimationRollText:
      c.target = C::kOverlayRollText;
      c.number = 0;
      break;
    case kAnimationShake:
    case kAnimationRotationList:
      c.target = C::kOverlayRotate;
      c.rotation = r.storedRotation;
      break;
    case kAnimationTextSequence:
      if (r.texts.empty()) return c;
      c.target = C::kText;
      c.text = r.texts.front();
      break;
    default:
      return c;
  }
  c.repaint = true;
  return c;
}

}  // namespace ZEPHYRA_NAMESPACE
