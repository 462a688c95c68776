// combo_box_logic.cpp -- the drop box rectangle, its side of the combo and
// the arrangement of the entries inside it.
#include "ui/controls/popup/combo_box_logic.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {

namespace {

int Pick(int own, int fallback, int last) { return own > 0 ? own : (fallback > 0 ? fallback : last); }

struct Axis {
  int columns;      // entries per row (1 for a column, all for a row)
  int cellWidth;    // width of a grid cell
};

// The height of the row starting at entry `from` (visible entries only),
// and the index after it.
int RowHeight(const std::vector<YdComboBoxEntry>& entries, int from, int columns, int fallback, int* end) {
  int height = 0;
  int taken = 0;
  int i = from;
  const int count = static_cast<int>(entries.size());
  for (; i < count && taken < columns; ++i) {
    if (!entries[static_cast<size_t>(i)].visible) continue;
    height = std::max(height, Pick(entries[static_cast<size_t>(i)].height, fallback, fallback));
    ++taken;
  }
  // Invisible entries right after the row belong to it (they take no room).
  while (i < count && !entries[static_cast<size_t>(i)].visible) ++i;
  *end = i;
  return height;
}

}  // namespace

YdComboBoxPlan PlanComboBox(const YdRect& anchor, const YdRect& work, const std::vector<YdComboBoxEntry>& entries,
                            const YdComboBoxKeys& keys) {
  YdComboBoxPlan plan;
  const int count = static_cast<int>(entries.size());
  plan.cells.assign(entries.size(), YdRect{});
  const YdRect& in = keys.inset;
  const int defaultHeight = keys.defaultElement.cy > 0 ? keys.defaultElement.cy : anchor.Height();
  const int defaultWidth = keys.defaultElement.cx > 0 ? keys.defaultElement.cx : anchor.Width();
  const int first = std::clamp(keys.first, 0, std::max(count - 1, 0));
  const int workWidth = std::max(work.Width(), 1);
  const int workHeight = std::max(work.Height(), 1);

  // The natural extent of all entries (the box keeps its size while it
  // pages).
  int width = 0;
  int height = 0;
  if (keys.horizontal) {
    int content = in.left + in.right;
    int tallest = 0;
    int shown = 0;
    for (int i = 0; i < count; ++i) {
      const YdComboBoxEntry& e = entries[static_cast<size_t>(i)];
      if (!e.visible) continue;
      content += Pick(e.width, keys.defaultElement.cx, defaultWidth) + (shown++ > 0 ? keys.spacerWidth : 0);
      tallest = std::max(tallest, Pick(e.height, keys.defaultElement.cy, defaultHeight));
    }
    width = keys.size.cx > 0 ? keys.size.cx : content;
    height = keys.size.cy > 0 ? keys.size.cy : tallest + in.top + in.bottom;
    if (keys.autoHeight && keys.size.cy > 0) height = std::min(height, tallest + in.top + in.bottom);
  } else {
    const int columns = std::max(keys.columns, 1);
    width = keys.size.cx > 0 ? keys.size.cx : anchor.Width();
    int content = in.top + in.bottom;
    int rows = 0;
    for (int i = 0; i < count;) {
      int end = i;
      const int row = RowHeight(entries, i, columns, defaultHeight, &end);
      if (row > 0) content += row + (rows++ > 0 ? keys.spacerHeight : 0);
      i = end;
    }
    height = keys.size.cy > 0 ? keys.size.cy : content;
    if (keys.autoHeight && content < height) height = content;
  }
  width = std::clamp(width, 1, workWidth);
  height = std::max(height, 1);

  // The side of the combo: the preferred one when the box fits there, the
  // other one when it fits there instead, else the roomier one, shortened.
  const int belowTop = anchor.bottom + keys.space.top;
  const int aboveBottom = anchor.top - keys.space.bottom;
  const int roomBelow = work.bottom - belowTop;
  const int roomAbove = aboveBottom - work.top;
  bool above = keys.upward;
  if (height > (above ? roomAbove : roomBelow)) {
    if (height <= (above ? roomBelow : roomAbove)) {
      above = !above;
    } else {
      above = roomAbove > roomBelow;
      height = std::max(std::min(height, std::max(above ? roomAbove : roomBelow, 1)), 1);
    }
  }
  height = std::min(height, workHeight);
  int left = keys.autoCenter ? anchor.left + (anchor.Width() - width) / 2 : anchor.left + keys.space.left;
  left = std::clamp(left, work.left, std::max(work.right - width, work.left));
  const int top = above ? aboveBottom - height : belowTop;
  plan.box = {left, top, left + width, top + height};
  plan.above = above;

  // The entries from `first` along the main axis while they fit; the
  // "more" row takes the last slot when some are left over.
  const int mainEnd = keys.horizontal ? width - in.right : height - in.bottom;
  // The "more" row (a cell of a row layout) takes at most half the box.
  const int mainStart = keys.horizontal ? in.left : in.top;
  const int moreExtent = std::min(keys.horizontal ? defaultWidth : defaultHeight, (mainEnd - mainStart) / 2);
  auto layOut = [&](int limit) {
    std::fill(plan.cells.begin(), plan.cells.end(), YdRect{});
    plan.spacers.clear();
    int pos = keys.horizontal ? in.left : in.top;
    int i = first;
    int shown = 0;
    if (keys.horizontal) {
      for (; i < count; ++i) {
        const YdComboBoxEntry& e = entries[static_cast<size_t>(i)];
        if (!e.visible) continue;
        const int w = Pick(e.width, keys.defaultElement.cx, defaultWidth);
        const int gap = shown > 0 ? keys.spacerWidth : 0;
        if (shown > 0 && pos + gap + w > limit) break;
        if (gap > 0) plan.spacers.push_back({pos, in.top, pos + gap, height - in.bottom});
        pos += gap;
        const int h = std::min(Pick(e.height, keys.defaultElement.cy, height - in.top - in.bottom),
                               height - in.top - in.bottom);
        plan.cells[static_cast<size_t>(i)] = {pos, in.top, pos + w, in.top + h};
        pos += w;
        ++shown;
      }
    } else {
      const int columns = std::max(keys.columns, 1);
      const int inner = width - in.left - in.right;
      const int cellWidth = std::max((inner - (columns - 1) * keys.spacerWidth) / columns, 1);
      while (i < count) {
        int end = i;
        const int row = RowHeight(entries, i, columns, defaultHeight, &end);
        if (row == 0) {
          i = end;
          continue;
        }
        const int gap = shown > 0 ? keys.spacerHeight : 0;
        if (shown > 0 && pos + gap + row > limit) break;
        if (gap > 0) plan.spacers.push_back({in.left, pos, width - in.right, pos + gap});
        pos += gap;
        int column = 0;
        for (int k = i; k < end; ++k) {
          const YdComboBoxEntry& e = entries[static_cast<size_t>(k)];
          if (!e.visible) continue;
          const int x = in.left + column * (cellWidth + keys.spacerWidth);
          const int w = std::min(Pick(e.width, keys.defaultElement.cx, cellWidth), cellWidth);
          const int h = Pick(e.height, keys.defaultElement.cy, defaultHeight);
          plan.cells[static_cast<size_t>(k)] = {x, pos, x + w, pos + h};
          ++column;
          ++shown;
        }
        pos += row;
        i = end;
      }
    }
    plan.shownFirst = first;
    plan.shownEnd = i;
    return pos;
  };
  layOut(mainEnd);
  bool leftOver = false;
  for (int i = plan.shownEnd; i < count; ++i) leftOver = leftOver || entries[static_cast<size_t>(i)].visible;
  if (leftOver && keys.hasMore) {
    const int start = mainEnd - moreExtent;
    layOut(start);
    plan.moreShown = true;
    plan.more = keys.horizontal ? YdRect{start, in.top, mainEnd, height - in.bottom}
                                : YdRect{in.left, start, width - in.right, mainEnd};
  }
  int shown = 0;
  for (const YdRect& r : plan.cells) shown += r.IsEmpty() ? 0 : 1;
  plan.page = std::max(shown, 1);
  return plan;
}

int ComboBoxFirstShowing(const YdRect& anchor, const YdRect& work, const std::vector<YdComboBoxEntry>& entries,
                         YdComboBoxKeys keys, int index) {
  const int count = static_cast<int>(entries.size());
  if (index < 0 || index >= count) return keys.first;
  if (index < keys.first) {
    keys.first = index;
  }
  // Forward one entry at a time until the entry is laid out (a few dozen
  // entries at most in a drop box).
  while (keys.first < index) {
    const YdComboBoxPlan plan = PlanComboBox(anchor, work, entries, keys);
    if (index < plan.shownEnd) break;
    ++keys.first;
  }
  return keys.first;
}

}  // namespace ZEPHYRA_NAMESPACE
