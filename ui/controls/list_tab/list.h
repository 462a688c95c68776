// list.h -- YdList (element "List"): a vertical layout of list elements
// (rows). Rows added to it get the list's default element width and height
// when they have no fixed size of their own and join the list's option
// group ("group"); keys set later apply to the rows already held. One row
// is selected at a time (clicking a row selects it, the others are
// cleared); the arrow keys Up and Down, Home and End move the selection
// over the visible, enabled rows, give the new row the focus and scroll it
// into view. Every selection change raises notification 14 from the row.
// The rows form a tree through their "level" keys (list_tree.h): a row
// with children expands or collapses on a click ("clickexpand"), on a
// double click ("dbclickexpand"), with the Right / Left keys or through
// ExpandElement; the rows below a collapsed row are folded away, every
// row is indented by its level times "indent" pixels, the list is laid
// out again at once and scrolls the expanded rows into view, and the row
// raises kNotifyListExpand. Collapsing a row that holds the selection
// selects the collapsed row.
// With "drag" on, pressing a row and moving beyond the system's drag
// distance runs DoDragDrop with a YdDataObject carrying the row's text
// (CF_UNICODETEXT) and its name (the list element format) and a
// YdDropSource; kNotifyListDrag comes before and after the operation.
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/controls/containers/linear_layouts.h"

namespace ZEPHYRA_NAMESPACE {

// Whether the pointer at `now` has left the drag box around `press`: more
// than `threshold.cx` pixels across or `threshold.cy` down or up (the
// system's SM_CXDRAG and SM_CYDRAG).
inline bool PassedDragDistance(POINT press, POINT now, SIZE threshold) {
  const long dx = now.x > press.x ? now.x - press.x : press.x - now.x;
  const long dy = now.y > press.y ? now.y - press.y : press.y - now.y;
  return dx > threshold.cx || dy > threshold.cy;
}

class YdListElement;

// Keyboard moves over the rows.
enum class YdListMove { kUp, kDown, kHome, kEnd };

// The row index a move leads to from `current` (-1: none selected) over
// `count` rows of which `selectable(i)` tells which may take the selection;
// -1 when no row can. Up and Down stop at the ends.
template <typename Selectable>
int ListMoveTarget(YdListMove move, int current, int count, Selectable selectable) {
  auto forward = [&](int from) {
    for (int i = from; i < count; ++i) {
      if (i >= 0 && selectable(i)) return i;
    }
    return -1;
  };
  auto backward = [&](int from) {
    for (int i = from; i >= 0; --i) {
      if (i < count && selectable(i)) return i;
    }
    return -1;
  };
  switch (move) {
    case YdListMove::kHome: return forward(0);
    case YdListMove::kEnd: return backward(count - 1);
    case YdListMove::kDown: {
      if (current < 0) return forward(0);
      const int next = forward(current + 1);
      return next < 0 ? current : next;
    }
    case YdListMove::kUp: {
      if (current < 0) return backward(count - 1);
      const int next = backward(current - 1);
      return next < 0 ? current : next;
    }
  }
  return -1;
}

class YdList : public YdVerticalLayout {
 public:
  YdList() = default;

  int GetKind() const override { return kKindList; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The list's own keys; its base is the vertical layout's table.
  static const YdAttributeTable& AttributeTable();
  bool AddChild(YdControl* control) override;
  bool InsertChild(YdControl* control, int index) override;
  bool RemoveChild(YdControl* control) override;
  bool RemoveChildAt(int index) override;
  void OnKeyDown(YdEvent& event) override;

  // The rows' group, default sizes and the kept keys.
  int GetGroup() const { return group_; }
  int GetDefaultElementWidth() const { return default_width_; }
  int GetDefaultElementHeight() const { return default_height_; }
  int GetIndent() const { return indent_; }
  bool IsClickExpand() const { return click_expand_; }
  bool IsDoubleClickExpand() const { return dbclick_expand_; }
  bool IsDragEnabled() const { return drag_; }

  // The index of the selected row among the children, or -1.
  int GetSelectedIndex() const;
  // Selects the row at `index` (a list element), clearing the others; false
  // when there is no such row or it is hidden or disabled.
  bool SelectElement(int index);
  // Handles Up, Down, Home and End, and Right / Left where the tree gives
  // them a step; false for other keys.
  bool MoveSelection(WORD key);
  // Scrolls the list so that the child at `index` lies inside it.
  void EnsureVisible(int index);
  // Called by a row that became selected: clears the other rows.
  void ElementSelected(YdListElement* element);

  // ---- The rows as a tree ----
  // Every child's level and expansion flag (0 and false for a child that
  // is not a list element).
  std::vector<int> Levels() const;
  std::vector<bool> ExpandedFlags() const;
  bool ElementHasChildren(int index) const;
  // Expands or collapses the row at `index`; false when it has no children
  // or is already so. Folds, lays out, scrolls and notifies.
  bool ExpandElement(int index, bool expand);
  bool ToggleElement(int index);
  // A row's level or flag changed: folds the rows again and lays out.
  void TreeChanged();

  // ---- Drag and drop ----
  // Runs the drag of `row` (a child of this list) to its end; the effect
  // the target chose, or -1 when no drag could start (drag off, the row
  // not held, no data object or COM not available on this thread).
  int RunDrag(YdListElement* row);

 private:
  void AdoptElement(YdControl* control);
  // Places the rows now (when attached), so that scrolling sees them.
  void LayOutNow();

  int group_ = 0;
  int default_width_ = 0;
  int default_height_ = 0;
  int indent_ = 0;
  bool click_expand_ = false;
  bool dbclick_expand_ = false;
  bool drag_ = false;
  bool clearing_ = false;
};

}  // namespace ZEPHYRA_NAMESPACE
