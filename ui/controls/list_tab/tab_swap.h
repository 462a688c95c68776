// tab_swap.h -- the decision behind dragging a tab item onto a sibling:
// which tab the pointer has reached and whether the two swap places.
#pragma once

#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// One child of a tab control as the swap rule sees it.
struct YdTabSlot {
  YdRect rect;             // where it is placed now
  bool swappable = false;  // a visible tab item without "disableswap"
};

// The index of the slot the dragged slot `dragged` swaps with when the
// pointer is at `pt`, or -1. The pointer must lie in a swappable sibling,
// and far enough into it that after the swap it lies in the dragged tab's
// new place: with tabs of unequal size, within the dragged tab's width
// (height) of the sibling's far edge, so that the pair does not swap back
// and forth under a still pointer. A dragged slot that is not swappable
// itself never swaps.
int TabSwapIndex(const std::vector<YdTabSlot>& slots, int dragged, YdPoint pt);

}  // namespace ZEPHYRA_NAMESPACE
