// scrollbar_logic.h -- the geometry of a scroll bar as pure functions: where
// its two buttons and its thumb go for a range and position, how far a
// thumb drag moves the position, and from which timer tick a held button
// repeats.
#pragma once

#include <optional>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

struct YdScrollbarInput {
  YdRect position;
  YdRect inset;
  bool horizontal = false;
  int thickness = 16;     // fixed width (vertical) or fixed height (horizontal)
  bool showButton1 = true;
  bool showButton2 = true;
  int range = 100;
  int barPosition = 0;
};

struct YdScrollbarParts {
  YdRect button1;   // empty when hidden
  YdRect button2;
  YdRect thumb;     // empty when the bar is too short for one
};

// Buttons at both ends of the inner length (position less the inset), each
// as long as the thickness; the thumb max(thickness, length x track /
// (length + range)) long between them, at track start + (track - thumb) x
// position / range, and filling the track when the range is 0. A bar too
// short for that gives each shown button half of its length (at most the
// thickness) and no thumb.
YdScrollbarParts LayoutScrollbarParts(const YdScrollbarInput& in);

// The position change of a thumb dragged `delta` pixels along the bar:
// delta x range / free track, where the free track is the bar's length less
// the thumb and the shown buttons; nothing when the free track is <= 0.
std::optional<int> ThumbDragOffset(int delta, int range, const YdScrollbarInput& in,
                                   const YdScrollbarParts& parts);

// The part of the bar a press lands on: a button, the thumb, or the track
// before or after the thumb (a page back or forward); nothing outside the bar.
enum class YdScrollbarHit { kNone, kButton1, kButton2, kThumb, kTrackBefore, kTrackAfter };
YdScrollbarHit ScrollbarHitPart(const YdScrollbarInput& in, const YdScrollbarParts& parts, YdPoint point);

// Held buttons and track presses repeat from the sixth tick of the 50 ms
// timer (about 300 ms after the press); `tick` counts from 1.
constexpr bool RepeatsOnTick(int tick) { return tick >= 6; }

}  // namespace ZEPHYRA_NAMESPACE
