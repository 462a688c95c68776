// grid_layout_logic.h -- the grid layout as a pure function: visible children
// fill cells of one size row by row, ignoring their own size and padding.
#pragma once

#include <vector>

#include "common/yd_namespace.h"
#include "ui/controls/containers/layout_types.h"

namespace ZEPHYRA_NAMESPACE {

// "gridwidth", "gridheight", "column", "row".
struct YdGridSpec {
  int cellWidth = 0;
  int cellHeight = 0;
  int columns = 0;
  int rows = 0;
};

// The cell size in effect: the given one, or the content size divided by
// the column (row) count when it is 0 and that count is > 0.
YdSize GridCellSize(const YdGridSpec& grid, const YdRect& content);

// Places the children; floating ones get their float placement against the
// content rectangle. Needed width = min(children placed, columns) cells
// (all of them in one row when there are no columns), needed height = rows
// used x cell height.
YdLayoutOutcome LayoutGrid(const YdContainerBox& box, const YdGridSpec& grid,
                           const std::vector<YdLayoutChild>& children);

}  // namespace ZEPHYRA_NAMESPACE
