// layout_types.h -- the inputs and results of container layout as plain
// values: what a container knows of each child when it places it (visibility,
// float kinds, padding, fixed and limit sizes, alignment, reduce flag, how it
// measures itself), the container's own box (position, inset, child padding,
// scroll bars) and the rectangles a layout pass decides.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// Layout kinds of a container ("layouttype").
enum class YdLayoutKind { kOverlay = 0, kHorizontal = 1, kVertical = 2 };

// Child alignment bits read by the layouts and the container's painting.
enum YdLayoutChildAlign : unsigned {
  kChildAlignRight = 0x02,
  kChildAlignBottom = 0x04,
  kChildAlignTopmost = 0x08,
  kChildAlignCenter = 0x10,
  kChildAlignVCenter = 0x20,
};

// What a layout reads of one child.
struct YdLayoutChild {
  bool visible = true;
  // The three independent float kinds; "float" is tested first, then
  // "relfloat", then "absfloat".
  bool isFloat = false;
  bool isRelFloat = false;
  bool isAbsFloat = false;
  bool reduce = false;          // gives up space in an over-full vertical layout
  unsigned align = 0;           // YdLayoutChildAlign bits
  YdRect padding;               // outer margins of the child
  YdPoint fixedXY;              // float offsets ("pos" left, top)
  YdSize fixed;                 // fixed width and height, 0 = not fixed
  int minWidth = 0;
  int maxWidth = 0;             // 0 = no maximum
  int minHeight = 0;
  int maxHeight = 0;            // 0 = no maximum
  // MeasureSize (available width, available height). Empty: the fixed size,
  // as the control base answers. Containers with automatic minimum sizes
  // answer from their content (see MeasureContent).
  std::function<YdSize(int, int)> measure;

  bool IsFloating() const { return isFloat || isRelFloat || isAbsFloat; }
  YdSize Measure(int availableWidth, int availableHeight) const {
    return measure ? measure(availableWidth, availableHeight) : fixed;
  }
  // A size clamped to [min, max]; the maximum counts only when it is > 0 and
  // wins over the minimum.
  int ClampWidth(int cx) const { return Clamp(cx, minWidth, maxWidth); }
  int ClampHeight(int cy) const { return Clamp(cy, minHeight, maxHeight); }

 private:
  static int Clamp(int v, int lo, int hi) {
    if (v < lo) v = lo;
    if (hi > 0 && v > hi) v = hi;
    return v;
  }
};

// One scroll bar of a container as the layout sees it.
struct YdBarState {
  bool exists = false;
  bool visible = false;
  int range = 0;
  int position = 0;
  int lineSize = 8;
  int thickness = 16;   // fixed width of a vertical bar, fixed height of a horizontal one
  bool enabled = true;

  bool Shown() const { return exists && visible; }
  friend bool operator==(const YdBarState& a, const YdBarState& b) {
    return a.exists == b.exists && a.visible == b.visible && a.range == b.range &&
           a.position == b.position && a.lineSize == b.lineSize && a.thickness == b.thickness &&
           a.enabled == b.enabled;
  }
};

// The container's own box.
struct YdContainerBox {
  YdRect position;
  YdRect inset;
  int childPadding = 0;
  bool scrollCover = false;   // the vertical layout lets content run under the bars
  YdBarState vbar;
  YdBarState hbar;
};

// What one layout pass decides.
struct YdLayoutOutcome {
  // One entry per child, in child order; empty for children not placed
  // (hidden ones).
  std::vector<std::optional<YdRect>> rects;
  YdRect content;   // the content rectangle handed to ProcessScrollBars
  YdSize needed;    // the content's needed width and height
};

}  // namespace ZEPHYRA_NAMESPACE
