// layout_logic.cpp -- content rectangle, float placement, the overlay,
// horizontal and vertical layouts, and content measurement.
#include "ui/controls/containers/layout_logic.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {

namespace {

int ShownRange(const YdBarState& bar) { return bar.Shown() ? bar.range : 0; }
int ShownPosition(const YdBarState& bar) { return bar.Shown() ? bar.position : 0; }
int ShownThickness(const YdBarState& bar) { return bar.Shown() ? bar.thickness : 0; }

YdLayoutOutcome EmptyOutcome(const YdContainerBox& box, size_t count) {
  YdLayoutOutcome out;
  out.rects.resize(count);
  out.content = ContentRect(box);
  return out;
}

}  // namespace

YdRect ContentRect(const YdContainerBox& box) {
  YdRect r = box.position.Shrunk(box.inset);
  r.right -= ShownThickness(box.vbar);
  r.bottom -= ShownThickness(box.hbar);
  return r;
}

YdRect PlaceFloatChild(const YdLayoutChild& child, const YdRect& reference) {
  const int x = child.fixedXY.x;
  const int y = child.fixedXY.y;
  const int w = child.fixed.cx;
  const int h = child.fixed.cy;
  YdRect r;
  if (child.isFloat) {
    r.left = reference.left + x;
    r.right = w ? r.left + w : reference.right + x;
    r.top = reference.top + y;
    r.bottom = h ? r.top + h : reference.bottom + y;
  } else if (child.isRelFloat) {
    r.left = reference.left + x;
    r.right = w ? r.left + w : reference.right;
    r.top = reference.top + y;
    r.bottom = h ? r.top + h : reference.bottom;
  } else {
    r.left = x;
    r.right = w ? x + w : reference.right;
    r.top = y;
    r.bottom = h ? y + h : reference.bottom;
  }
  const YdRect& p = child.padding;
  return {r.left + p.left, r.top + p.top, r.right - p.right, r.bottom - p.bottom};
}

YdLayoutOutcome LayoutOverlay(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  YdLayoutOutcome out = EmptyOutcome(box, children.size());
  const YdRect& content = out.content;
  const int cw = content.Width();
  const int ch = content.Height();
  const int availW = cw + ShownRange(box.hbar);
  const int availH = ch + ShownRange(box.vbar);
  const int originX = content.left - ShownPosition(box.hbar);
  const int originY = content.top - ShownPosition(box.vbar);
  for (size_t i = 0; i < children.size(); ++i) {
    const YdLayoutChild& c = children[i];
    if (!c.visible) continue;
    if (c.IsFloating()) {
      out.rects[i] = PlaceFloatChild(c, content);
      continue;
    }
    const YdRect& p = c.padding;
    YdSize sz = c.Measure(cw, ch);
    if (sz.cx == 0) sz.cx = std::max(0, availW - p.left - p.right);
    if (sz.cy == 0) sz.cy = std::max(0, availH - p.top - p.bottom);
    int x = originX;
    int y = originY;
    if (c.align & kChildAlignCenter) x += (cw - sz.cx) / 2;
    if (c.align & kChildAlignVCenter) y += (ch - sz.cy) / 2;
    out.rects[i] = YdRect{x + p.left, y + p.top, x + p.left + sz.cx, y + p.top + sz.cy};
    out.needed.cx = std::max(out.needed.cx, sz.cx);
    out.needed.cy = std::max(out.needed.cy, sz.cy);
  }
  return out;
}

YdLayoutOutcome LayoutHorizontal(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  YdLayoutOutcome out = EmptyOutcome(box, children.size());
  const YdRect& content = out.content;
  const int availW = content.Width() + ShownRange(box.hbar);
  const int availH = content.Height();
  const int pad = box.childPadding;

  // Measuring pass.
  int fixed = 0, counted = 0, stretch = 0, tallest = 0;
  for (const YdLayoutChild& c : children) {
    if (!c.visible || c.IsFloating()) continue;
    const YdSize sz = c.Measure(availW, availH);
    int cx = sz.cx;
    if (cx == 0) {
      ++stretch;
    } else {
      cx = c.ClampWidth(cx);
    }
    fixed += c.padding.left + c.padding.right + cx;
    ++counted;
    tallest = std::max(tallest, sz.cy);
  }
  if (counted > 0) fixed += pad * (counted - 1);
  const int share = stretch > 0 ? std::max(0, (availW - fixed) / stretch) : 0;

  // Placing pass.
  int remaining = availW;
  int fixedLeft = fixed;
  int stretchSeen = 0;
  int used = 0;
  int x = content.left - ShownPosition(box.hbar);
  for (size_t i = 0; i < children.size(); ++i) {
    const YdLayoutChild& c = children[i];
    if (!c.visible) continue;
    if (c.IsFloating()) {
      out.rects[i] = PlaceFloatChild(c, content);
      continue;
    }
    const YdRect& p = c.padding;
    const YdSize sz = c.Measure(remaining, availH);
    remaining -= p.left + p.right;
    int cx = sz.cx;
    // The same (clamped) width the measuring pass counted leaves the total,
    // so the last stretch child's remainder is exact.
    fixedLeft -= p.left + p.right + (cx ? c.ClampWidth(cx) : 0);
    if (cx == 0) {
      ++stretchSeen;
      cx = stretchSeen == stretch ? std::max(0, remaining - fixedLeft) : share;
    }
    cx = c.ClampWidth(cx);
    int cy = sz.cy;
    if (cy == 0) cy = std::max(0, availH - p.top - p.bottom);
    if (cy < 0) cy = 0;
    cy = c.ClampHeight(cy);
    out.rects[i] = YdRect{x + p.left, content.top + p.top, x + p.left + cx, content.top + p.top + cy};
    fixedLeft -= pad;
    remaining -= pad + cx;
    x += p.left + cx + p.right + pad;
    used += p.left + cx + p.right;
  }
  out.needed.cx = used + (counted > 0 ? pad * (counted - 1) : 0);
  out.needed.cy = tallest;
  return out;
}

YdLayoutOutcome LayoutVertical(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  YdLayoutOutcome out = EmptyOutcome(box, children.size());
  // With scroll cover the children are placed over the bars' area too; the
  // bars are taken off only for the scroll bar decision (out.content).
  const YdRect place = box.scrollCover ? box.position.Shrunk(box.inset) : out.content;
  const int availW = place.Width() + ShownRange(box.hbar);
  const int availH = place.Height();
  const int pad = box.childPadding;

  // Measuring pass.
  int fixed = 0, counted = 0, stretch = 0, widest = 0;
  int reduceCount = 0, reduceSum = 0;
  for (const YdLayoutChild& c : children) {
    if (!c.visible || c.IsFloating()) continue;
    const YdSize sz = c.Measure(availW, availH);
    int cy = sz.cy;
    if (cy == 0) {
      ++stretch;
    } else {
      cy = c.ClampHeight(cy);
    }
    fixed += c.padding.top + c.padding.bottom + cy;
    ++counted;
    widest = std::max(widest, sz.cx);
    if (c.reduce) {
      ++reduceCount;
      reduceSum += cy;
    }
  }
  if (counted > 0) fixed += pad * (counted - 1);
  const int share = stretch > 0 ? std::max(0, (availH - fixed) / stretch) : 0;
  const int reduceShare =
      (availH < fixed && reduceCount > 0) ? std::min(reduceSum, fixed - availH) / reduceCount : 0;

  // Placing pass.
  int remaining = availH;
  int fixedLeft = fixed;
  int stretchSeen = 0;
  int used = 0;
  const int x0 = place.left - ShownPosition(box.hbar);
  int y = place.top - ShownPosition(box.vbar);
  for (size_t i = 0; i < children.size(); ++i) {
    const YdLayoutChild& c = children[i];
    if (!c.visible) continue;
    if (c.IsFloating()) {
      out.rects[i] = PlaceFloatChild(c, box.position);
      continue;
    }
    const YdRect& p = c.padding;
    remaining -= p.top + p.bottom;
    const YdSize sz = c.Measure(availW, remaining);
    int cy = sz.cy;
    fixedLeft -= p.top + p.bottom + (cy ? c.ClampHeight(cy) : 0);
    if (cy == 0) {
      ++stretchSeen;
      cy = stretchSeen == stretch ? std::max(0, remaining - fixedLeft) : share;
    }
    cy = c.ClampHeight(cy);
    if (c.reduce) cy = std::max(0, cy - reduceShare);
    int cx = sz.cx;
    if (cx == 0) cx = std::max(0, availW - p.left - p.right);
    if (cx < 0) cx = 0;
    cx = c.ClampWidth(cx);
    int x = x0;
    int top = y;
    if (c.align & kChildAlignCenter) x += (availW - cx) / 2;
    if (c.align & kChildAlignVCenter) top += (remaining - cy) / 2;
    if (c.align & kChildAlignBottom) top += remaining - cy;
    out.rects[i] = YdRect{x + p.left, top + p.top, x + p.left + cx, top + p.top + cy};
    fixedLeft -= pad;
    remaining -= pad + cy;
    y += p.top + cy + p.bottom + pad;
    used += p.top + cy + p.bottom;
  }
  out.needed.cy = used + (counted > 0 ? pad * (counted - 1) : 0);
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
  int aw = availableWidth - in.left - in.right - vbarWidth;
  int ah = availableHeight - in.top - in.bottom - hbarHeight;
  // The scrolled axis may hold more than is shown: its bar's range counts.
  if (horizontal) {
    aw += ShownRange(box.hbar);
  } else {
    ah += ShownRange(box.vbar);
  }
  int sum = 0, across = 0, counted = 0, stretch = 0;
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
      sum += p.left + p.right + cx;
      across = std::max(across, p.top + p.bottom + sz.cy);
    } else {
      int cy = sz.cy;
      if (cy == 0) {
        ++stretch;
      } else {
        cy = c.ClampHeight(cy);
      }
      sum += p.top + p.bottom + cy;
      across = std::max(across, p.left + p.right + sz.cx);
    }
  }
  const int gaps = counted > 0 ? box.childPadding * (counted - 1) : 0;
  YdSize result;
  if (horizontal) {
    result.cx = sum + gaps + in.left + in.right + vbarWidth;
    if (stretch > 0) result.cx = std::max(result.cx, aw);
    result.cy = across + in.top + in.bottom + hbarHeight;
  } else {
    result.cx = across + in.left + in.right + vbarWidth;
    result.cy = sum + gaps + in.top + in.bottom + hbarHeight;
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
