// grid_layout_logic.cpp -- grid cell size and placement.
#include "ui/controls/containers/grid_layout_logic.h"

#include <algorithm>

#include "ui/controls/containers/layout_logic.h"

namespace ZEPHYRA_NAMESPACE {

YdSize GridCellSize(const YdGridSpec& grid, const YdRect& content) {
  YdSize cell{grid.cellWidth, grid.cellHeight};
  if (cell.cx == 0 && grid.columns > 0) cell.cx = content.Width() / grid.columns;
  if (cell.cy == 0 && grid.rows > 0) cell.cy = content.Height() / grid.rows;
  return cell;
}

YdLayoutOutcome LayoutGrid(const YdContainerBox& box, const YdGridSpec& grid,
                           const std::vector<YdLayoutChild>& children) {
  YdLayoutOutcome out;
  out.rects.resize(children.size());
  out.content = ContentRect(box);
  const YdSize cell = GridCellSize(grid, out.content);
  const int left = out.content.left - (box.hbar.Shown() ? box.hbar.position : 0);
  int x = left;
  int y = out.content.top - (box.vbar.Shown() ? box.vbar.position : 0);
  int placed = 0;
  int column = 0;
  for (size_t i = 0; i < children.size(); ++i) {
    const YdLayoutChild& c = children[i];
    if (!c.visible) continue;
    if (c.IsFloating()) {
      out.rects[i] = PlaceFloatChild(c, out.content);
      continue;
    }
    if (grid.columns > 0 && column == grid.columns) {
      column = 0;
      x = left;
      y += cell.cy;
    }
    out.rects[i] = YdRect{x, y, x + cell.cx, y + cell.cy};
    x += cell.cx;
    ++column;
    ++placed;
  }
  if (placed > 0) {
    const int perRow = grid.columns > 0 ? std::min(placed, grid.columns) : placed;
    const int rowsUsed = grid.columns > 0 ? (placed + grid.columns - 1) / grid.columns : 1;
    out.needed = {perRow * cell.cx, rowsUsed * cell.cy};
  }
  return out;
}

}  // namespace ZEPHYRA_NAMESPACE
