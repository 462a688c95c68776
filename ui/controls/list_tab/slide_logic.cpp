// slide_logic.cpp -- thumb placement and pointer-to-value mapping of the
// slider.
#include "ui/controls/list_tab/slide_logic.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {

namespace {

int Span(const YdSlideGeometry& g) { return std::max(0, g.maximum - g.minimum); }

// Pixels the thumb's leading edge can travel (never negative).
int Travel(const YdSlideGeometry& g) {
  const int length = g.horizontal ? g.track.right - g.track.left : g.track.bottom - g.track.top;
  const int thumb = g.horizontal ? g.thumb.cx : g.thumb.cy;
  return std::max(0, length - thumb);
}

}  // namespace

int ClampSlideValue(const YdSlideGeometry& g, int value) {
  const int top = g.minimum + Span(g);
  return std::min(std::max(value, g.minimum), top);
}

RECT SlideThumbRect(const YdSlideGeometry& g, int value) {
  const int span = Span(g);
  const int travel = Travel(g);
  const long long offset = span == 0 ? 0 : static_cast<long long>(ClampSlideValue(g, value) - g.minimum) * travel / span;
  RECT r{};
  if (g.horizontal) {
    r.left = g.track.left + static_cast<int>(offset);
    r.right = r.left + g.thumb.cx;
    r.top = (g.track.top + g.track.bottom - g.thumb.cy) / 2;
    r.bottom = r.top + g.thumb.cy;
  } else {
    r.bottom = g.track.bottom - static_cast<int>(offset);
    r.top = r.bottom - g.thumb.cy;
    r.left = (g.track.left + g.track.right - g.thumb.cx) / 2;
    r.right = r.left + g.thumb.cx;
  }
  return r;
}

int SlideValueAtPoint(const YdSlideGeometry& g, POINT pt) {
  const int span = Span(g);
  const int travel = Travel(g);
  if (span == 0 || travel == 0) return g.minimum;
  // Distance of the thumb's leading edge when its centre is at the point.
  const int along = g.horizontal ? pt.x - g.track.left - g.thumb.cx / 2 : g.track.bottom - pt.y - g.thumb.cy / 2;
  const int clamped = std::min(std::max(along, 0), travel);
  const long long scaled = (static_cast<long long>(clamped) * span * 2 + travel) / (2LL * travel);  // rounded
  return ClampSlideValue(g, g.minimum + static_cast<int>(scaled));
}

}  // namespace ZEPHYRA_NAMESPACE
