// list_tree.cpp -- a list's rows as a tree: children, parents, folding and
// the Right / Left key steps.
#include "ui/controls/list_tab/list_tree.h"

#include <climits>

namespace ZEPHYRA_NAMESPACE {

namespace {

int Count(const std::vector<int>& levels) { return static_cast<int>(levels.size()); }
bool Inside(const std::vector<int>& levels, int index) { return index >= 0 && index < Count(levels); }

}  // namespace

bool ListRowHasChildren(const std::vector<int>& levels, int index) {
  return Inside(levels, index) && index + 1 < Count(levels) && levels[index + 1] > levels[index];
}

int ListSubtreeEnd(const std::vector<int>& levels, int index) {
  if (!Inside(levels, index)) return index;
  int end = index + 1;
  while (end < Count(levels) && levels[end] > levels[index]) ++end;
  return end;
}

int ListParentRow(const std::vector<int>& levels, int index) {
  if (!Inside(levels, index)) return -1;
  for (int i = index - 1; i >= 0; --i) {
    if (levels[i] < levels[index]) return i;
  }
  return -1;
}

std::vector<bool> ListFoldedRows(const std::vector<int>& levels, const std::vector<bool>& expanded) {
  std::vector<bool> folded(levels.size(), false);
  int fold_below = INT_MAX;  // rows deeper than this are folded
  for (int i = 0; i < Count(levels); ++i) {
    if (levels[i] > fold_below) {
      folded[i] = true;
      continue;
    }
    fold_below = INT_MAX;
    const bool open = i < static_cast<int>(expanded.size()) && expanded[i];
    if (ListRowHasChildren(levels, i) && !open) fold_below = levels[i];
  }
  return folded;
}

YdListTreeStep ListTreeKeyStep(bool right, int selected, const std::vector<int>& levels,
                               const std::vector<bool>& expanded) {
  if (!Inside(levels, selected)) return {};
  const bool children = ListRowHasChildren(levels, selected);
  const bool open = selected < static_cast<int>(expanded.size()) && expanded[selected];
  if (right) {
    if (!children) return {};
    if (!open) return {YdListTreeAction::kExpand, selected};
    return {YdListTreeAction::kSelect, selected + 1};
  }
  if (children && open) return {YdListTreeAction::kCollapse, selected};
  const int parent = ListParentRow(levels, selected);
  if (parent < 0) return {};
  return {YdListTreeAction::kSelect, parent};
}

}  // namespace ZEPHYRA_NAMESPACE
