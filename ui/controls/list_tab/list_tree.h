// list_tree.h -- the decisions behind a list's rows as a tree. A skin
// gives each ListElement a "level" (0 for top rows); the rows that follow a
// row with a greater level, up to the next row of the same or a lower
// level, are its children (and their children). A row with children is
// expanded or collapsed ("expand"); the rows below a collapsed row are
// folded away. These functions read only the rows' levels and expansion
// flags, in the list's order.
#pragma once

#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Whether row `index` has children (the next row is deeper).
bool ListRowHasChildren(const std::vector<int>& levels, int index);
// One past the last row below `index` (its subtree's end).
int ListSubtreeEnd(const std::vector<int>& levels, int index);
// The nearest row above `index` with a lower level, or -1.
int ListParentRow(const std::vector<int>& levels, int index);
// For every row: whether a collapsed row above it folds it away.
std::vector<bool> ListFoldedRows(const std::vector<int>& levels, const std::vector<bool>& expanded);

// What the Right and Left keys do to the selected row.
enum class YdListTreeAction { kNone, kExpand, kCollapse, kSelect };
struct YdListTreeStep {
  YdListTreeAction action = YdListTreeAction::kNone;
  int row = -1;  // the row expanded, collapsed or selected
};
// Right expands a collapsed row with children, or moves to the first child
// of an expanded one; Left collapses an expanded row, or moves to the
// parent of any other. Nothing for a row that is not in the list.
YdListTreeStep ListTreeKeyStep(bool right, int selected, const std::vector<int>& levels,
                               const std::vector<bool>& expanded);

}  // namespace ZEPHYRA_NAMESPACE
