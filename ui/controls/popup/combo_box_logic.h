// combo_box_logic.h -- portable decision of where a combo's drop box goes
// and how its entries are arranged in it: the box rectangle on the screen
// (below the combo, or above it when it does not fit below or "direct" asks
// for it), the entries as one column, a grid of "dropboxcolumn" columns or
// one row ("layout" horizontal), the spacer strips between them, and the
// "more" row when entries are left over.
#pragma once

#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// One entry of the combo as the layout sees it: its own fixed size (0: not
// set) and whether it is visible.
struct YdComboBoxEntry {
  int width = 0;
  int height = 0;
  bool visible = true;
};

// The combo's keys that shape the box.
struct YdComboBoxKeys {
  YdSize size;                 // "dropboxsize": a part of 0 takes the natural extent
  bool autoHeight = false;     // "dropboxautoheight": the height shrinks to the entries
  int columns = 1;             // "dropboxcolumn"
  bool upward = false;         // "direct": the box prefers to open above the combo
  bool horizontal = false;     // "layout" = "horizontal"
  YdSize defaultElement;       // "defaultelementwidth" / "defaultelementheight"
  bool autoCenter = false;     // "autocenter"
  YdRect space;                // "dropboxspace": left offset, gap below, -, gap above
  YdRect inset;                // the combo's inset, the box's inner margin
  int spacerWidth = 0;         // "spacewidth": strip between entries of a row
  int spacerHeight = 0;        // "spaceheight": strip between rows
  bool hasMore = false;        // "more" is set: a row says that entries are left over
  int first = 0;               // the first entry shown (the box pages through the rest)
};

struct YdComboBoxPlan {
  YdRect box;                  // screen coordinates
  bool above = false;          // the box opens above the combo
  std::vector<YdRect> cells;   // per entry, box client coordinates; empty: not shown
  std::vector<YdRect> spacers; // the strips between shown entries (rows or columns)
  int shownFirst = 0;          // entries [shownFirst, shownEnd) are laid out, the
  int shownEnd = 0;            // invisible ones among them with empty cells
  bool moreShown = false;
  YdRect more;                 // the "more" row when shown
  int page = 1;                // number of entries shown, at least 1
};

// `anchor` is the combo in screen coordinates, `work` the work area of its
// monitor.
YdComboBoxPlan PlanComboBox(const YdRect& anchor, const YdRect& work, const std::vector<YdComboBoxEntry>& entries,
                            const YdComboBoxKeys& keys);

// The first entry to show so that entry `index` is among the shown ones,
// moving as little as possible from keys.first.
int ComboBoxFirstShowing(const YdRect& anchor, const YdRect& work, const std::vector<YdComboBoxEntry>& entries,
                         YdComboBoxKeys keys, int index);

}  // namespace ZEPHYRA_NAMESPACE
