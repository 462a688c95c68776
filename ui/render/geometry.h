// geometry.h -- small value types for client-area geometry (points, sizes,
// rectangles) used by the portable window, animation and control logic.
// Rectangles are half-open like Win32 RECTs: right and bottom lie outside.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

struct YdPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const YdPoint& a, const YdPoint& b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(const YdPoint& a, const YdPoint& b) { return !(a == b); }
};

struct YdSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const YdSize& a, const YdSize& b) { return a.cx == b.cx && a.cy == b.cy; }
  friend bool operator!=(const YdSize& a, const YdSize& b) { return !(a == b); }
};

struct YdRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  // True when every side is 0 (an attribute left unset).
  bool IsZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  bool Contains(const YdPoint& p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  // The rectangle moved inwards by the four insets of `by`.
  YdRect Shrunk(const YdRect& by) const {
    return {left + by.left, top + by.top, right - by.right, bottom - by.bottom};
  }

  friend bool operator==(const YdRect& a, const YdRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const YdRect& a, const YdRect& b) { return !(a == b); }
};

}  // namespace ZEPHYRA_NAMESPACE
