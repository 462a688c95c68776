// animation_logic.h -- the arithmetic of one tick of every control animation
// kind (0x2001 to 0x2009): which position, size, fade, frame, rotation or
// text a control shows after tick t of a record with step limit T, and when
// the record ends. The animation manager keeps the records and timers and
// applies these results to the control; nothing here touches a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

enum YdAnimationKind : int {
  kAnimationMove = 0x2001,            // fixed position eased (or linear) to a target
  kAnimationSourceCycle = 0x2002,     // overlay "source" cycles through rectangles
  kAnimationFrameSequence = 0x2003,   // normal image cycles through descriptors
  kAnimationRollText = 0x2004,        // overlay "rolltext" grows by the roll step
  kAnimationShake = 0x2005,           // overlay "rotate" through 3, 0, -3, 0
  kAnimationRotationList = 0x2006,    // overlay "rotate" through a given list
  kAnimationTextSequence = 0x2007,    // text cycles through a list
  kAnimationMoveResizeFade = 0x2008,  // parabolic move, resize and fade
  kAnimationFade = 0x2009,            // overlay "fade" along a half sine wave
};

// Removing a control clears its records of every kind in this range.
constexpr int kAnimationKindFirst = 0x2000;
constexpr int kAnimationKindLast = 0x2009;

// True for the codes 0x2001 to 0x2009.
bool IsAnimationKind(int kind);

// Timer interval used when the caller gives none: 10 ms for 0x2001 and
// 0x2008, 100 for 0x2002, 35 for 0x2004, 40 for 0x2005 and 0x2006, 200 for
// 0x2007, 20 for 0x2009. 0x2003 has no default (its callers always give one)
// and unknown kinds have none: both give 0.
int DefaultAnimationInterval(int kind);

// Notification a control raises when its animation of `kind` ends: 26 for
// 0x2001, 27 for 0x2002, 34 for 0x2003, 33 for 0x2008; 0 (nothing) otherwise.
int CommandNotifyForKind(int kind);

// The rotation list that starting 0x2005 installs (a shake).
const std::vector<double>& ShakeRotations();

// 2t/T - t^2/T^2: eases from 0 at t = 0 to 1 at t = T, slowing towards the end.
double EaseOut(int t, int limit);

// Rounds half away from zero (2.5 -> 3, -2.5 -> -3).
int RoundHalfAwayFromZero(double value);

// 0x2001. While t < T the position is start + (end - start)·t/T in integers
// (linear) or start + round((end - start)·EaseOut(t, T)); at t >= T it is
// the end and the record finishes. Either way the parent's layout is marked
// and the control repainted, and the counter advances by one.
struct YdMoveStep {
  bool finished = false;
  YdPoint position;
};
YdMoveStep ComputeMoveStep(YdPoint start, YdPoint end, int t, int limit, bool linear);

// Result of one tick of the list-driven kinds (0x2002, 0x2003, 0x2005,
// 0x2006, 0x2007). `apply` says whether entry `index` of the list is shown
// on this tick; `next` is the counter after the tick.
struct YdListStep {
  bool finished = false;
  bool apply = false;
  size_t index = 0;
  bool raiseCustomNotify = false;
  int next = 0;
};

// 0x2002 (source rectangles), 0x2005 and 0x2006 (rotations): ends when
// T != 0 and t > T, otherwise shows entry t mod n and advances. 0x2002 also
// raises the custom notification. An empty list ends the record at once.
YdListStep ComputeCycleStep(int kind, int t, int limit, size_t count);

// 0x2003: when T != 0 and t >= T the last descriptor is shown and the record
// ends; otherwise descriptor t mod n is shown, the custom notification raised
// and the counter advanced. With a limit of 7 and eight frames, frames 0..6
// show on the first seven ticks and frame 7 on the eighth, which ends it.
// An empty list ends the record at once without showing anything.
YdListStep ComputeFrameStep(int t, int limit, size_t count);

// 0x2007: with an empty list nothing happens (the record stays, unchanged);
// otherwise like 0x2005 (ends when T != 0 and t > T).
YdListStep ComputeTextStep(int t, int limit, size_t count);

// 0x2004: ends when T != 0 and t > T; otherwise the counter grows by the roll
// step and becomes the overlay's "rolltext" offset.
struct YdRollStep {
  bool finished = false;
  int offset = 0;  // the new counter and "rolltext" value (when not finished)
};
YdRollStep ComputeRollStep(int t, int limit, int rollStep);

// 0x2008 parameters.
struct YdMoveResizeFade {
  YdPoint start;
  YdPoint end;
  YdSize startSize;
  YdSize endSize;
  uint8_t startFade = 255;
  uint8_t endFade = 255;
};

// One tick of 0x2008. On the first tick (t = 0) a travel distance d above
// 200 pixels lengthens the limit by (int)(6·(d/100 - 2)); `limit` is the
// limit in force after the tick and must be stored back into the record.
// While t < T: fade = startFade + (int)((endFade - startFade)/T·t),
// width = startWidth + (int)(t·(endWidth - startWidth)/T),
// height = startHeight + (int)((endHeight - startHeight)/T·t), and the
// position follows a parabola: R = dx·EaseOut(t, T), y offset = R²·dy/dx²,
// position (round(R) + sx, round(y offset) + sy). A target straight above or
// below the start (dx = 0) moves along the vertical axis with the same
// easing: y offset = dy·EaseOut(t, T). At t >= T: the end position, size and
// fade, and the record finishes.
struct YdMoveResizeFadeStep {
  bool finished = false;
  int limit = 0;
  YdPoint position;
  YdSize size;
  uint8_t fade = 0;
};
YdMoveResizeFadeStep ComputeMoveResizeFadeStep(const YdMoveResizeFade& p, int t, int limit);

// The control's normal image descriptor while 0x2008 runs: the base
// descriptor followed by " fade='<fade>'".
std::u16string FormatFadeDescriptor(const std::u16string& base, int fade);

// 0x2009. When T != 0 and t > T the record ends (a fade-in then shows 255).
// Otherwise, with a = π·t/T and v = sin(a - π/2) fading in or cos(a) fading
// out, the overlay's "fade" (and the stored current fade) becomes
// (v + 1)·0.5·255, truncated; the custom notification is raised and the
// counter advances. A record without a limit (T = 0) has no duration: it
// ends at once with the final fade (255 in, 0 out).
struct YdFadeStep {
  bool finished = false;
  bool apply = false;  // `fade` is written into the overlay on this tick
  uint8_t fade = 0;
  bool raiseCustomNotify = false;
};
YdFadeStep ComputeFadeStep(int t, int limit, bool fadeIn);

}  // namespace ZEPHYRA_NAMESPACE
