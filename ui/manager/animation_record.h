// animation_record.h -- one running control animation as data, and what a
// timer tick or the end of the animation does to the control. The animation
// manager keeps a record per (control, kind) together with its control,
// window and raw timer id; on each WM_TIMER of that id it calls
// StepAnimation and applies the returned change to the control, and when the
// record finishes it kills the timer, applies RestoreAtFinish when the
// restore flag is set, repaints and calls the control's
// RaiseCommandNotify(kind).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/manager/animation_logic.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

struct YdAnimationRecord {
  int kind = 0;
  int limit = 0;          // step limit, 0 = none (0x2008 may lengthen it)
  int counter = 0;        // step counter t
  bool restoreAtEnd = false;
  double storedRotation = 0.0;        // 0x2005/0x2006 restore value
  std::vector<double> rotations;      // 0x2005/0x2006
  bool linear = false;                // 0x2001
  YdPoint start;                      // 0x2001
  YdPoint end;                        // 0x2001
  std::vector<YdRect> sources;        // 0x2002
  YdRect storedSource;                // 0x2002 restore value
  int rollStep = 1;                   // 0x2004
  std::vector<std::u16string> texts;  // 0x2007
  YdMoveResizeFade moveResizeFade;    // 0x2008
  std::u16string baseDescriptor;      // 0x2008
  bool fadeIn = true;                 // 0x2009
  uint8_t currentFade = 0;            // 0x2009
  std::vector<std::u16string> frames; // 0x2003 image descriptors
};

// Fills in what starting an animation of `record.kind` sets itself and
// returns the timer interval: `intervalMs` when positive, else the kind's
// default. Starting 0x2005 installs the shake rotations, keeps the
// overlay's current rotation and sets the restore flag.
int PrepareAnimation(YdAnimationRecord& record, int intervalMs, double currentOverlayRotation);

// What one tick or the finish changes on the control.
struct YdAnimationChange {
  enum Target {
    kNothing,
    kFixedPosition,    // SetFixedXY(position), mark the parent's layout
    kOverlaySource,    // effect overlay "source" = rect
    kNormalImage,      // normal image descriptor = text
    kOverlayRollText,  // effect overlay "rolltext" = number
    kOverlayRotate,    // effect overlay "rotate" = rotation
    kText,             // SetText(text)
    kMoveResizeFade,   // normal image = text, SetFixedWidth/Height(size), SetFixedXY(position), layout mark
    kOverlayFade,      // effect overlay "fade" = number
  };
  Target target = kNothing;
  bool finished = false;
  bool repaint = false;
  bool raiseCustomNotify = false;  // RaiseCustomNotify (35) after applying
  YdPoint position;
  YdSize size;
  YdRect rect;
  double rotation = 0.0;
  int number = 0;
  std::u16string text;
};

// One timer tick: computes the change and advances the record (counter,
// 0x2008's lengthened limit, 0x2009's current fade).
YdAnimationChange StepAnimation(YdAnimationRecord& record);

// The restore applied at the finish of a record with the restore flag:
// 0x2001 the end position, 0x2002 the stored source rectangle, 0x2004
// "rolltext" 0, 0x2005/0x2006 the stored rotation, 0x2007 the first text
// (nothing when the list is empty); other kinds nothing.
YdAnimationChange RestoreAtFinish(const YdAnimationRecord& record);

}  // namespace ZEPHYRA_NAMESPACE
