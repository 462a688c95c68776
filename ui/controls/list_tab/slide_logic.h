// slide_logic.h -- the slider's thumb placement and the value under the
// pointer: pure functions the slider calls and its tests check directly.
// A horizontal slider grows from left to right; a vertical one from the
// bottom up. The thumb travels over the track (the position less the
// inset) so that it never leaves it: at the minimum its leading edge
// touches the track's start, at the maximum its trailing edge the end.
#pragma once

#include <windows.h>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

struct YdSlideGeometry {
  RECT track{};           // the position less the inset
  SIZE thumb{10, 10};     // thumb size
  bool horizontal = true;
  int minimum = 0;
  int maximum = 100;
};

// The value clamped into [minimum, maximum] (a reversed range counts as
// minimum..minimum).
int ClampSlideValue(const YdSlideGeometry& g, int value);

// The thumb rectangle for `value`, in the same coordinates as the track;
// centred across the track.
RECT SlideThumbRect(const YdSlideGeometry& g, int value);

// The value whose thumb centre lies nearest `pt` along the track, clamped.
int SlideValueAtPoint(const YdSlideGeometry& g, POINT pt);

}  // namespace ZEPHYRA_NAMESPACE
