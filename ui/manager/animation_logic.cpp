// animation_logic.cpp -- per-tick arithmetic of the control animation kinds.
#include "ui/manager/animation_logic.h"

#include <cmath>

#include "ui/manager/event_types.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A double truncated into 0..255 the way a byte store of a non-negative value
// is; NaN and out-of-range values are pinned instead of being undefined.
uint8_t TruncateToByte(double value) {
  if (!(value > 0.0)) return 0;
  if (value >= 255.0) return 255;
  return static_cast<uint8_t>(value);
}

}  // namespace

bool IsAnimationKind(int kind) {
  return kind >= kAnimationMove && kind <= kAnimationFade;
}

int DefaultAnimationInterval(int kind) {
  switch (kind) {
    case kAnimationMove:
    case kAnimationMoveResizeFade:
      return 10;
    case kAnimationSourceCycle:
      return 100;
    case kAnimationRollText:
      return 35;
    case kAnimationShake:
    case kAnimationRotationList:
      return 40;
    case kAnimationTextSequence:
      return 200;
    case kAnimationFade:
      return 20;
    default:
      return 0;
  }
}

int CommandNotifyForKind(int kind) {
  switch (kind) {
    case kAnimationMove:
      return kNotifyMoveEnd;
    case kAnimationSourceCycle:
      return kNotifySourceCycleEnd;
    case kAnimationFrameSequence:
      return kNotifyFrameSequenceEnd;
    case kAnimationMoveResizeFade:
      return kNotifyMoveResizeFadeEnd;
    default:
      return 0;
  }
}

const std::vector<double>& ShakeRotations() {
  static const std::vector<double> rotations{3.0, 0.0, -3.0, 0.0};
  return rotations;
}

double EaseOut(int t, int limit) {
  const double f = static_cast<double>(t) / limit;
  return 2.0 * f - f * f;
}

int RoundHalfAwayFromZero(double value) {
  return static_cast<int>(std::lround(value));
}

YdMoveStep ComputeMoveStep(YdPoint start, YdPoint end, int t, int limit, bool linear) {
  YdMoveStep step;
  if (t >= limit) {
    step.finished = true;
    step.position = end;
    return step;
  }
  const int64_t dx = static_cast<int64_t>(end.x) - start.x;
  const int64_t dy = static_cast<int64_t>(end.y) - start.y;
  if (linear) {
    step.position.x = static_cast<int>(start.x + dx * t / limit);
    step.position.y = static_cast<int>(start.y + dy * t / limit);
  } else {
    const double e = EaseOut(t, limit);
    step.position.x = start.x + RoundHalfAwayFromZero(static_cast<double>(dx) * e);
    step.position.y = start.y + RoundHalfAwayFromZero(static_cast<double>(dy) * e);
  }
  return step;
}

YdListStep ComputeCycleStep(int kind, int t, int limit, size_t count) {
  YdListStep step;
  if (count == 0 || (limit != 0 && t > limit)) {
    step.finished = true;
    return step;
  }
  step.apply = true;
  step.index = static_cast<size_t>(t) % count;
  step.raiseCustomNotify = kind == kAnimationSourceCycle;
  step.next = t + 1;
  return step;
}

YdListStep ComputeFrameStep(int t, int limit, size_t count) {
  YdListStep step;
  if (count == 0) {
    step.finished = true;
    return step;
  }
  if (limit != 0 && t >= limit) {
    step.finished = true;
    step.apply = true;
    step.index = count - 1;
    step.next = t;
    return step;
  }
  step.apply = true;
  step.index = static_cast<size_t>(t) % count;
  step.raiseCustomNotify = true;
  step.next = t + 1;
  return step;
}

YdListStep ComputeTextStep(int t, int limit, size_t count) {
  YdListStep step;
  step.next = t;
  if (count == 0) return step;
  if (limit != 0 && t > limit) {
    step.finished = true;
    return step;
  }
  step.apply = true;
  step.index = static_cast<size_t>(t) % count;
  step.next = t + 1;
  return step;
}

YdRollStep ComputeRollStep(int t, int limit, int rollStep) {
  YdRollStep step;
  if (limit != 0 && t > limit) {
    step.finished = true;
    step.offset = t;
    return step;
  }
  step.offset = t + rollStep;
  return step;
}

YdMoveResizeFadeStep ComputeMoveResizeFadeStep(const YdMoveResizeFade& p, int t, int limit) {
  YdMoveResizeFadeStep step;
  const double dx = static_cast<double>(p.end.x) - p.start.x;
  const double dy = static_cast<double>(p.end.y) - p.start.y;
  if (t == 0) {
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d > 200.0) limit += static_cast<int>(6.0 * (d / 100.0 - 2.0));
  }
  step.limit = limit;
  if (t >= limit) {
    step.finished = true;
    step.position = p.end;
    step.size = p.endSize;
    step.fade = p.endFade;
    return step;
  }
  const double T = limit;
  step.fade = static_cast<uint8_t>(p.startFade + static_cast<int>((p.endFade - p.startFade) / T * t));
  step.size.cx = p.startSize.cx + static_cast<int>(t * (static_cast<double>(p.endSize.cx) - p.startSize.cx) / T);
  step.size.cy = p.startSize.cy + static_cast<int>((static_cast<double>(p.endSize.cy) - p.startSize.cy) / T * t);
  const double e = EaseOut(t, limit);
  double xOffset = 0.0;
  double yOffset = 0.0;
  if (dx != 0.0) {
    xOffset = dx * e;
    yOffset = xOffset * xOffset * dy / (dx * dx);
  } else {
    yOffset = dy * e;
  }
  step.position.x = RoundHalfAwayFromZero(xOffset) + p.start.x;
  step.position.y = RoundHalfAwayFromZero(yOffset) + p.start.y;
  return step;
}

std::u16string FormatFadeDescriptor(const std::u16string& base, int fade) {
  std::u16string out = base;
  out += u" fade='";
  const std::string digits = std::to_string(fade);
  out.append(digits.begin(), digits.end());
  out += u"'";
  return out;
}

YdFadeStep ComputeFadeStep(int t, int limit, bool fadeIn) {
  YdFadeStep step;
  if (limit == 0) {
    step.finished = true;
    step.apply = true;
    step.fade = fadeIn ? 255 : 0;
    return step;
  }
  if (t > limit) {
    step.finished = true;
    if (fadeIn) {
      step.apply = true;
      step.fade = 255;
    }
    return step;
  }
  const double a = kPi * t / limit;
  const double v = fadeIn ? std::sin(a - kPi / 2.0) : std::cos(a);
  step.apply = true;
  step.fade = TruncateToByte((v + 1.0) * 0.5 * 255.0);
  step.raiseCustomNotify = true;
  return step;
}

}  // namespace ZEPHYRA_NAMESPACE
