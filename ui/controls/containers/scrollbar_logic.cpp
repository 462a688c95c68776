// scrollbar_logic.cpp -- scroll bar buttons, thumb and drag arithmetic.
#include "ui/controls/containers/scrollbar_logic.h"

#include <algorithm>
#include <cstdint>

namespace ZEPHYRA_NAMESPACE {

namespace {

// Works along the bar as if it were vertical; a horizontal bar swaps axes.
YdRect Swap(const YdRect& r) { return {r.top, r.left, r.bottom, r.right}; }

int ShownButtons(const YdScrollbarInput& in) { return (in.showButton1 ? 1 : 0) + (in.showButton2 ? 1 : 0); }

}  // namespace

YdScrollbarParts LayoutScrollbarParts(const YdScrollbarInput& in) {
  const YdRect inner = in.horizontal ? Swap(in.position.Shrunk(in.inset)) : in.position.Shrunk(in.inset);
  const int length = inner.Height();
  const int t = in.thickness;
  const int track = length - t * ShownButtons(in);
  YdScrollbarParts parts;
  auto along = [&](int from, int to) { return YdRect{inner.left, from, inner.right, to}; };
  if (t < track) {
    parts.button1 = along(inner.top, inner.top + (in.showButton1 ? t : 0));
    parts.button2 = along(inner.bottom - (in.showButton2 ? t : 0), inner.bottom);
    const int start = parts.button1.bottom;
    const int end = parts.button2.top;
    if (in.range > 0) {
      const int thumb = std::max<int>(t, static_cast<int>(int64_t{length} * track / (int64_t{length} + in.range)));
      const int pos = std::clamp(in.barPosition, 0, in.range);
      int top = start + static_cast<int>(int64_t{track - thumb} * pos / in.range);
      if (top + thumb > end) top = end - thumb;
      parts.thumb = along(top, top + thumb);
    } else {
      parts.thumb = along(start, end);
    }
  } else {
    const int half = std::min(length / 2, t);
    parts.button1 = along(inner.top, inner.top + (in.showButton1 ? half : 0));
    parts.button2 = along(inner.bottom - (in.showButton2 ? half : 0), inner.bottom);
    parts.thumb = along(inner.top, inner.top);
  }
  if (in.horizontal) {
    parts.button1 = Swap(parts.button1);
    parts.button2 = Swap(parts.button2);
    parts.thumb = Swap(parts.thumb);
  }
  return parts;
}

std::optional<int> ThumbDragOffset(int delta, int range, const YdScrollbarInput& in,
                                   const YdScrollbarParts& parts) {
  const int length = in.horizontal ? in.position.Width() : in.position.Height();
  const int thumb = in.horizontal ? parts.thumb.Width() : parts.thumb.Height();
  const int buttons = in.horizontal ? parts.button1.Width() + parts.button2.Width()
                                    : parts.button1.Height() + parts.button2.Height();
  const int free = length - thumb - buttons;
  if (free <= 0) return std::nullopt;
  return static_cast<int>(int64_t{delta} * range / free);
}

YdScrollbarHit ScrollbarHitPart(const YdScrollbarInput& in, const YdScrollbarParts& parts, YdPoint point) {
  if (!in.position.Contains(point)) return YdScrollbarHit::kNone;
  if (parts.button1.Contains(point)) return YdScrollbarHit::kButton1;
  if (parts.button2.Contains(point)) return YdScrollbarHit::kButton2;
  if (parts.thumb.Contains(point)) return YdScrollbarHit::kThumb;
  const int along = in.horizontal ? point.x : point.y;
  const int thumbStart = in.horizontal ? parts.thumb.left : parts.thumb.top;
  return along < thumbStart ? YdScrollbarHit::kTrackBefore : YdScrollbarHit::kTrackAfter;
}

}  // namespace ZEPHYRA_NAMESPACE
