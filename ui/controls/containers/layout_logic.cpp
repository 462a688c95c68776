// layout_logic.cpp -- content rectangle, float placement, the overlay,
// horizontal and vertical layouts, and content measurement.
#include "ui/controls/containers/layout_logic.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {

namespace {

int ShownRange(const YdBarState& bar) { return bar.Shown() ? bar.range : 0; }
int ShownPosition(const YdBarState& bar) { return bar.Shown() ? bar.position : 0; }
int ShownThickness(const YdBarState& bar) { return bar.Shown() ? bar.thickness : 0; }

// Sums run in 64 bits and every coordinate that comes out is kept within
// +-kLayoutExtentLimit, so the widths and heights taken of the rectangles
// (and of sums of them one level up) fit an int whatever the skin says.
int Extent(long long v) { return static_cast<int>(std::clamp<long long>(v, -kLayoutExtentLimit, kLayoutExtentLimit)); }

YdRect RectOf(long long left, long long top, long long right, long long bottom) {
  return {Extent(left), Extent(top), Extent(right), Extent(bottom)};
}

YdLayoutOutcome EmptyOutcome(const YdContainerBox& box, size_t count) {
  YdLayoutOutcome out;
  out.rects.resize(count);
  out.content = ContentRect(box);
  return out;
}

}  // namespace

YdRect ContentRect(const YdContainerBox& box) {
  const YdRect& p = box.position;
  const YdRect& in = box.inset;
  return RectOf(static_cast<long long>(p.left) + in.left, static_cast<long long>(p.top) + in.top,
                static_cast<long long>(p.right) - in.right - ShownThickness(box.vbar),
                static_cast<long long>(p.bottom) - in.bottom - ShownThickness(box.hbar));
}

YdRect PlaceFloatChild(const YdLayoutChild& child, const YdRect& reference) {
  const long long x = child.fixedXY.x;
  const long long y = child.fixedXY.y;
  const long long w = child.fixed.cx;
  const long long h = child.fixed.cy;
  long long left, top, right, bottom;
  if (child.isFloat) {
    left = reference.left + x;
    right = w ? left + w : reference.right + x;
    top = reference.top + y;
    bottom = h ? top + h : reference.bottom + y;
  } else if (child.isRelFloat) {
    left = reference.left + x;
    right = w ? left + w : reference.right;
    top = reference.top + y;
    bottom = h ? top + h : reference.bottom;
  } else {
    left = x;
    right = w ? x + w : reference.right;
    top = y;
    bottom = h ? y + h : reference.bottom;
  }
  const YdRect& p = child.padding;
  return RectOf(left + p.left, top + p.top, right - p.right, bottom - p.bottom);
}

YdLayoutOutcome LayoutOverlay(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  YdLayoutOutcome out = EmptyOutcome(box, children.size());
  const YdRect& content = out.content;
  const int cw = content.Width();
  const int ch = content.Height();
  const long long availW = static_cast<long long>(cw) + ShownRange(box.hbar);
  const long long availH = static_cast<long long>(ch) + ShownRange(box.vbar);
  const long long originX = static_cast<long long>(content.left) - ShownPosition(box.hbar);
  const long long originY = static_cast<long long>(content.top) - ShownPosition(box.vbar);
  for (size_t i = 0; i < children.size(); ++i) {
    const YdLayoutChild& c = children[i];
    if (!c.visible) continue;
    if (c.IsFloating()) {
      out.rects[i] = PlaceFloatChild(c, content);
      continue;
    }
    const YdRect& p = c.padding;
    YdSize sz = c.Measure(cw, ch);
    if (sz.cx == 0) sz.cx = Extent(std::max<long long>(0, availW - p.left - p.right));
    if (sz.cy == 0) sz.cy = Extent(std::max<long long>(0, availH - p.top - p.bottom));
    long long x = originX;
    long long y = originY;
    if (c.align & kChildAlignCenter) x += (static_cast<long long>(cw) - sz.cx) / 2;
    if (c.align & kChildAlignVCenter) y += (static_cast<long long>(ch) - sz.cy) / 2;
    out.rects[i] = RectOf(x + p.left, y + p.top, x + p.left + sz.cx, y + p.top + sz.cy);
    out.needed.cx = std::max(out.needed.cx, sz.cx);
    out.needed.cy = std::max(out.needed.cy, sz.cy);
  }
  return out;
}

YdLayoutOutcome LayoutHorizontal(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  YdLayoutOutcome out = EmptyOutcome(box, children.size());
  const YdRect& content = out.content;
  const int availW = Extent(static_cast<long long>(content.Width()) + ShownRange(box.hbar));
  const int availH = content.Height();
  const long long pad = box.childPadding;

  // Measuring pass.
  long long fixed = 0;
  int counted = 0, stretch = 0, tallest = 0;
  for (const YdLayoutChild& c : children) {
    if (!c.visible || c.IsFloating()) continue;
    const YdSize sz = c.Measure(availW, availH);
    int cx = sz.cx;
    if (cx == 0) {
      ++stretch;
    } else {
      cx = c.ClampWidth(cx);
    }
    fixed += static_cast<long long>(c.padding.left) + c.padding.right + cx;
    ++counted;
    tallest = std::max(tallest, sz.cy);
  }
  if (counted > 0) fixed += pad * (counted - 1);
  const int share = stretch > 0 ? Extent(std::max<long long>(0, (availW - fixed) / stretch)) : 0;

  // Placing pass.
  long long remaining = availW;
  long long fixedLeft = fixed;
  int stretchSeen = 0;
  long long used = 0;
  long long x = static_cast<long long>(content.left) - ShownPosition(box.hbar);
  for (size_t i = 0; i < children.size(); ++i) {
    const YdLayoutChild& c = children[i];
    if (!c.visible) continue;
    if (c.IsFloating()) {
      out.rects[i] = PlaceFloatChild(c, content);
      continue;
    }
    const YdRect& p = c.padding;
    const YdSize sz = c.Measure(Extent(remaining), availH);
    remaining -= static_cast<long long>(p.left) + p.right;
    int cx = sz.cx;
    // The same (clamped) width the measuring pass counted leaves the total,
    // so the last stretch child's remainder is exact.
    fixedLeft -= static_cast<long long>(p.left) + p.right + (cx ? c.ClampWidth(cx) : 0);
    if (cx == 0) {
      ++stretchSeen;
      cx = stretchSeen == stretch ? Extent(std::max<long long>(0, remaining - fixedLeft)) : share;
    }
    cx = c.ClampWidth(cx);
    int cy = sz.cy;
    if (cy == 0) cy = Extent(std::max<long long>(0, static_cast<long long>(availH) - p.top - p.bottom));
    if (cy < 0) cy = 0;
    cy = c.ClampHeight(cy);
    const long long top = static_cast<long long>(content.top) + p.top;
    out.rects[i] = RectOf(x + p.left, top, x + p.left + cx, top + cy);
    fixedLeft -= pad;
    remaining -= pad + cx;
    x += static_cast<long long>(p.left) + cx + p.right + pad;
    used += static_cast<long long>(p.left) + cx + p.right;
  }
  out.needed.cx = Extent(used + (counted > 0 ? pad * (counted - 1) : 0));
  out.needed.cy = tallest;
  return out;
}

YdLayoutOutcome LayoutVertical(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  YdLayoutOutcome out = EmptyOutcome(box, children.size());
  // With scroll cover the children are placed over the bars' area too; the
  // bars are taken off only for the scroll bar decision (out.content).
  YdContainerBox bare = box;
  bare.hbar.visible = bare.vbar.visible = false;
  const YdRect place = box.scrollCover ? ContentRect(bare) : out.content;
  const int availW = Extent(static_cast<long long>(place.Width()) + ShownRange(box.hbar));
  const int availH = place.Height();
  const long long pad = box.childPadding;

  // Measuring pass.
  long long fixed = 0;
  int counted = 0, stretch = 0, widest = 0;
  int reduceCount = 0;
  long long reduceSum = 0;
  for (const YdLayoutChild& c : children) {
    if (!c.visible || c.IsFloating()) continue;
    const YdSize sz = c.Measure(availW, availH);
    int cy = sz.cy;
    if (cy == 0) {
      ++stretch;
    } else {
      cy = c.ClampHeight(cy);
    }
    fixed += static_cast<long long>(c.padding.top) + c.padding.bottom + cy;
    ++counted;
    widest = std::max(widest, sz.cx);
    if (c.reduce) {
      ++reduceCount;
      reduceSum += cy;
    }
  }
  if (counted > 0) fixed += pad * (counted - 1);
  const int share = stretch > 0 ? Extent(std::max<long long>(0, (availH - fixed) / stretch)) : 0;
  const int reduceShare =
      (availH < fixed && reduceCount > 0) ? Extent(std::min(reduceSum, fixed - availH) / reduceCount) : 0;

  // Placing pass.
  long long remaining = availH;
  long long fixedLeft = fixed;
  int stretchSeen = 0;
  long long used = 0;
  const long long x0 = static_cast<long long>(place.left) - ShownPosition(box.hbar);
  long long y = static_cast<long long>(place.top) - ShownPosition(box.vbar);
  for (size_t i = 0; i < children.size(); ++i) {
    const YdLayoutChild& c = children[i];
    if (!c.visible) continue;
    if (c.IsFloating()) {
      out.rects[i] = PlaceFloatChild(c, box.position);
      continue;
    }
    const YdRect& p = c.padding;
    remaining -= static_cast<long long>(p.top) + p.bottom;
    const YdSize sz = c.Measure(availW, Extent(remaining));
    int cy = sz.cy;
    fixedLeft -= static_cast<long long>(p.top) + p.bottom + (cy ? c.ClampHeight(cy) : 0);
    if (cy == 0) {
      ++stretchSeen;
      cy = stretchSeen == stretch ? Extent(std::max<long long>(0, remaining - fixedLeft)) : share;
    }
    cy = c.ClampHeight(cy);
    if (c.reduce) cy = std::max(0, cy - reduceShare);
    int cx = sz.cx;
    if (cx == 0) cx = Extent(std::max<long long>(0, static_cast<long long>(availW) - p.left - p.right));
    if (cx < 0) cx = 0;
    cx = c.ClampWidth(cx);
    long long x = x0;
    long long top = y;
    if (c.align & kChildAlignCenter) x += (static_cast<long long>(availW) - cx) / 2;
    if (c.align & kChildAlignVCenter) top += (remaining - cy) / 2;
    if (c.align & kChildAlignBottom) top += remaining - cy;
    out.rects[i] = RectOf(x + p.left, top + p.top, x + p.left + cx, top + p.top + cy);
    fixedLeft -= pad;
    remaining -= pad + cy;
    y += static_cast<long long>(p.top) + cy + p.bottom + pad;
    used += static_cast<long long>(p.top) + cy + p.bottom;
  }
  out.needed.cy = Extent(used + (counted > 0 ? pad * (counted - 1) : 0));
  out.needed.cx = widest;
  return out;
}

YdLayoutOutcome LayoutOfKind(YdLayoutKind kind, const YdContainerBox& box,
                             const std::vector<YdLayoutChild>& children) {
  switch (kind) {
    case YdLayoutKind::kHorizontal: return LayoutHorizontal(box, children);
    case YdLayoutKind::kVertical: return LayoutVertical(box, children);
    case YdLayoutKind::kOverlay: break;
  }
  return LayoutOverlay(box, children);
}

YdSize MeasureContent(YdLayoutKind kind, const YdContainerBox& box,
                      const std::vector<YdLayoutChild>& children, int availableWidth,
                      int availableHeight, YdSize fixed) {
  if (kind == YdLayoutKind::kOverlay) return fixed;
  const bool horizontal = kind == YdLayoutKind::kHorizontal;
  const YdRect& in = box.inset;
  const int vbarWidth = ShownThickness(box.vbar);
  const int hbarHeight = ShownThickness(box.hbar);
  int aw = Extent(static_cast<long long>(availableWidth) - in.left - in.right - vbarWidth);
  int ah = Extent(static_cast<long long>(availableHeight) - in.top - in.bottom - hbarHeight);
  // The scrolled axis may hold more than is shown: its bar's range counts.
  if (horizontal) {
    aw = Extent(static_cast<long long>(aw) + ShownRange(box.hbar));
  } else {
    ah = Extent(static_cast<long long>(ah) + ShownRange(box.vbar));
  }
  long long sum = 0;
  int across = 0, counted = 0, stretch = 0;
  for (const YdLayoutChild& c : children) {
    if (!c.visible || c.IsFloating()) continue;
    const YdSize sz = c.Measure(aw, ah);
    const YdRect& p = c.padding;
    ++counted;
    if (horizontal) {
      int cx = sz.cx;
      if (cx == 0) {
        ++stretch;
      } else {
        cx = c.ClampWidth(cx);
      }
      sum += static_cast<long long>(p.left) + p.right + cx;
      across = std::max(across, Extent(static_cast<long long>(p.top) + p.bottom + sz.cy));
    } else {
      int cy = sz.cy;
      if (cy == 0) {
        ++stretch;
      } else {
        cy = c.ClampHeight(cy);
      }
      sum += static_cast<long long>(p.top) + p.bottom + cy;
      across = std::max(across, Extent(static_cast<long long>(p.left) + p.right + sz.cx));
    }
  }
  const long long gaps = counted > 0 ? static_cast<long long>(box.childPadding) * (counted - 1) : 0;
  YdSize result;
  if (horizontal) {
    result.cx = Extent(sum + gaps + in.left + in.right + vbarWidth);
    if (stretch > 0) result.cx = std::max(result.cx, aw);
    result.cy = Extent(static_cast<long long>(across) + in.top + in.bottom + hbarHeight);
  } else {
    result.cx = Extent(static_cast<long long>(across) + in.left + in.right + vbarWidth);
    result.cy = Extent(sum + gaps + in.top + in.bottom + hbarHeight);
    if (stretch > 0) result.cy = std::max(result.cy, ah);
  }
  return result;
}

namespace {

// One edit child's size inside `content`: measured, 0 filling the content
// less the child's right (bottom) padding.
YdSize EditChildSize(const YdLayoutChild& child, const YdRect& content) {
  YdSize size = child.Measure(content.Width(), content.Height());
  if (size.cx == 0) size.cx = content.Width() - child.padding.right;
  if (size.cy == 0) size.cy = content.Height() - child.padding.bottom;
  return size;
}

}  // namespace

std::vector<std::optional<YdRect>> LayoutEditChildren(const YdRect& content,
                                                      const std::vector<YdLayoutChild>& children) {
  std::vector<std::optional<YdRect>> rects(children.size());
  size_t split = children.size();
  for (size_t i = 0; i < children.size(); ++i) {
    if ((children[i].align & kChildAlignRight) != 0) {
      split = i;
      break;
    }
  }
  auto place = [&](size_t i, int* x, bool fromRight) {
    const YdLayoutChild& child = children[i];
    if (!child.visible) return;
    if (child.IsFloating()) {
      rects[i] = PlaceFloatChild(child, content);
      return;
    }
    const YdSize size = EditChildSize(child, content);
    YdRect r;
    r.top = content.top + child.padding.top;
    r.bottom = r.top + size.cy;
    if (fromRight) {
      r.right = *x - child.padding.right;
      r.left = r.right - size.cx;
      *x = r.left - child.padding.left;
    } else {
      r.left = *x + child.padding.left;
      r.right = r.left + size.cx;
      *x = r.right + child.padding.right;
    }
    rects[i] = r;
  };
  int x = content.left;
  for (size_t i = 0; i < split; ++i) place(i, &x, false);
  x = content.right;
  for (size_t i = children.size(); i > split; --i) place(i - 1, &x, true);
  return rects;
}

}  // namespace ZEPHYRA_NAMESPACE
