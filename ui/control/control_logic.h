// control_logic.h -- geometry rules of the control base: how SetPosition
// normalises a rectangle, the hit-test rectangle shrunk by "cut", the text
// area of rolling text, what the "pos" attribute sets, and the flags of the
// tree search (FindMatching).
#pragma once

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// FindMatching flags. The sign bit tests the container before its children.
enum YdFindFlag : unsigned {
  kFindVisible = 1,
  kFindEnabled = 2,
  kFindHitTest = 4,
  kFindTopFirst = 8,
  kFindMeFirst = 0x80000000u,
};
// ControlAtPoint and ControlOfWindow of the paint manager.
constexpr unsigned kFindAtPoint = kFindVisible | kFindHitTest | kFindTopFirst;   // 13
constexpr unsigned kFindOfWindow = kFindVisible | kFindTopFirst;                 // 9

// SetPosition: right is raised to left and bottom to top when smaller.
inline YdRect NormalizedPosition(YdRect r) {
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

// The rectangle a hit test uses: the position shrunk by the "cut" insets.
inline YdRect HitTestRect(const YdRect& position, const YdRect& cut) {
  return position.Shrunk(cut);
}

// What "pos" (l, t, r, b) sets: the fixed offsets l and t, and the fixed
// width r - l and height b - t when they are not negative (so "pos" written
// as x, y, w, h with w < x sets only the offsets).
struct YdPosAttribute {
  YdPoint fixedXY;
  bool setWidth = false;
  int width = 0;
  bool setHeight = false;
  int height = 0;
};
inline YdPosAttribute PosAttribute(const YdRect& r) {
  YdPosAttribute p;
  p.fixedXY = {r.left, r.top};
  p.width = r.right - r.left;
  p.height = r.bottom - r.top;
  p.setWidth = p.width >= 0;
  p.setHeight = p.height >= 0;
  return p;
}

}  // namespace ZEPHYRA_NAMESPACE
