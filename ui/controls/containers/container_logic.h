// container_logic.h -- the smaller decisions of a container as pure
// functions: where InsertChild and MoveChild put a child, the area its
// children are painted in, which children it paints in which order and with
// which clip, and the auto-hide scroll bar state on the 30 ms timer.
#pragma once

#include <cstddef>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/controls/containers/layout_types.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// InsertChild (and MoveChild) index rule: index <= 0 inserts at the front,
// 0 < index < count before the child at index, a larger index appends.
size_t ChildInsertionIndex(int index, size_t count);

// The area children are painted in: the position shrunk by the inset, less
// the shown bars unless scroll cover is set.
YdRect ChildPaintArea(const YdContainerBox& box);

// What Paint needs of one child.
struct YdPaintChild {
  bool visible = true;
  bool floating = false;
  bool topmost = false;   // alignment bit 8: painted after the others
  YdRect position;
};
enum class YdChildClip {
  kChildArea,   // clipped to the child area (and the dirty rectangle)
  kContainer,   // a floating child: clipped to the container's own clip region
};
struct YdChildPaint {
  size_t index;
  YdChildClip clip;
  friend bool operator==(const YdChildPaint& a, const YdChildPaint& b) {
    return a.index == b.index && a.clip == b.clip;
  }
};
// The children to paint, in order, for a dirty rectangle: visible children
// meeting it, topmost ones deferred to the end; a floating child when it
// meets the container's position, another child when it meets the child
// area. When the dirty rectangle misses the child area only floating
// children are painted.
std::vector<YdChildPaint> PlanChildPaint(const std::vector<YdPaintChild>& children, const YdRect& position,
                                         const YdRect& childArea, const YdRect& dirty);

// True when two rectangles share at least one pixel.
bool RectsMeet(const YdRect& a, const YdRect& b);

// Auto-hide bars, on each tick of the manager's 30 ms timer: the pointer is
// inside when the cursor lies in the container's position; outside
// otherwise, except that a captured bar keeps the previous value. A change
// makes the container lay out and repaint.
struct YdAutoHideTick {
  bool pointerOutside = false;
  bool changed = false;
};
YdAutoHideTick AutoHideOnTimer(bool pointerOutside, bool cursorInPosition, bool barCaptured);

// Whether a bar is painted: shown, meeting the dirty rectangle, and not
// hidden by auto-hide with the pointer outside.
bool PaintsScrollBar(const YdBarState& bar, const YdRect& barPosition, const YdRect& dirty, bool autoHide,
                     bool pointerOutside);

}  // namespace ZEPHYRA_NAMESPACE
