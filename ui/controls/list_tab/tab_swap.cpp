// tab_swap.cpp -- which sibling a dragged tab swaps with.
#include "ui/controls/list_tab/tab_swap.h"

#include <cstddef>

namespace ZEPHYRA_NAMESPACE {

int TabSwapIndex(const std::vector<YdTabSlot>& slots, int dragged, YdPoint pt) {
  if (dragged < 0 || dragged >= static_cast<int>(slots.size())) return -1;
  const YdTabSlot& own = slots[static_cast<size_t>(dragged)];
  if (!own.swappable || own.rect.Contains(pt)) return -1;
  const YdRect& d = own.rect;
  for (int i = 0; i < static_cast<int>(slots.size()); ++i) {
    const YdTabSlot& slot = slots[static_cast<size_t>(i)];
    if (i == dragged || !slot.swappable || slot.rect.IsEmpty() || !slot.rect.Contains(pt)) continue;
    const YdRect& t = slot.rect;
    bool far_enough = true;
    if (t.left >= d.right) {
      far_enough = pt.x >= t.right - d.Width();
    } else if (t.right <= d.left) {
      far_enough = pt.x < t.left + d.Width();
    } else if (t.top >= d.bottom) {
      far_enough = pt.y >= t.bottom - d.Height();
    } else if (t.bottom <= d.top) {
      far_enough = pt.y < t.top + d.Height();
    }
    return far_enough ? i : -1;
  }
  return -1;
}

}  // namespace ZEPHYRA_NAMESPACE
