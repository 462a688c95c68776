// menu_navigation.h -- portable keyboard decisions of the popup lists (menu
// windows and the combo's drop box): which entry becomes hot for a key,
// given only whether each entry is visible and enabled, which entry an
// accelerator letter reaches, and how far a scrolled list moves to show
// the hot entry.
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// What the navigation knows about one entry of the list.
struct YdNavEntry {
  bool visible = true;
  bool enabled = true;
  // Entries that can never be hot (spacers, labels) say false.
  bool selectable = true;
};

enum class YdNavKey { kPrevious, kNext, kFirst, kLast, kPagePrevious, kPageNext };

struct YdNavOptions {
  // Previous from the first usable entry goes to the last, and next from
  // the last to the first (menus); otherwise the ends hold (drop box).
  bool wrap = false;
  // Entries a page step moves over (at least 1).
  int page = 1;
};

// The index of the entry that becomes hot for `key` when `current` is hot
// (-1: none is). Only visible, enabled, selectable entries can become hot;
// -1 when there is none. With no hot entry, Next and PageNext reach the
// first usable entry, Previous and PagePrevious the last.
int NextHotEntry(const std::vector<YdNavEntry>& entries, int current, YdNavKey key, const YdNavOptions& options);

// Where a menu window the size of `want` goes so that it stays inside the
// work area `work`: past the right edge it opens leftwards, ending at
// `leftEdge` (the point clicked, or the parent menu's left side); past the
// bottom upwards, ending at `bottomEdge` (the point, or the entry's bottom);
// then it is pushed inside, its top-left corner winning when it is larger
// than the work area.
YdRect KeepMenuOnScreen(const YdRect& want, const YdRect& work, int leftEdge, int bottomEdge);

// The accelerator letter of an entry's text, lower case: the character
// after a single "&" ("Save &as" gives 'a'; "&&" is a literal ampersand),
// else the first character that is not blank. 0 for none.
wchar_t AcceleratorOf(const std::wstring& text);

struct YdAccelMatch {
  int index = -1;       // the entry reached; -1 when no entry has the letter
  bool unique = false;  // true when it is the only usable entry with the letter
};

// The usable entry after `current` (cyclically) whose accelerator is
// `letter` (compared without case). A unique match is chosen (or its
// submenu opened); several matches are stepped through by repeated
// presses.
YdAccelMatch MatchAccelerator(const std::vector<YdNavEntry>& entries, const std::vector<std::wstring>& texts,
                              int current, wchar_t letter);

// The scroll offset of a list that brings an entry spanning [top, bottom)
// into the view [viewTop, viewBottom) (both as laid out at offset
// `scroll`), moving as little as possible; an entry taller than the view
// shows its top. Never below 0.
int ScrollToShow(int scroll, int top, int bottom, int viewTop, int viewBottom);

}  // namespace ZEPHYRA_NAMESPACE
