// scroll_range.h -- the scroll bar decisions of a container as pure
// functions: bar range and position setters with their notification values,
// ProcessScrollBars (show, hide, range, bar rectangles), the repeated layout
// until the bars settle, SetScrollPosition's child offsets, and the steps
// of the scrolling operations, keys and wheel.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/controls/containers/layout_types.h"

namespace ZEPHYRA_NAMESPACE {

// SetBarRange: range = max(n, 0), position clamped to it. No notification.
void SetBarRange(YdBarState& bar, int range);

// SetBarPosition: position clamped to [0, range]. When it changed, the bar
// raises notification 32 with wParam = position x 100 / range (0 for range
// 0) and lParam = position.
struct YdBarNotify {
  bool raised = false;
  int wParam = 0;
  int lParam = 0;
};
YdBarNotify SetBarPosition(YdBarState& bar, int position);

// ProcessScrollBars (content rectangle, needed size).
struct YdScrollBarsOutcome {
  YdBarState vbar;
  YdBarState hbar;
  std::optional<YdRect> vbarRect;   // where a shown bar is placed
  std::optional<YdRect> hbarRect;
  bool changed = false;             // the container lays itself out again
};
YdScrollBarsOutcome ProcessScrollBars(const YdRect& content, YdSize needed, const YdBarState& vbar,
                                      const YdBarState& hbar);

// A container's SetPosition: its layout, then ProcessScrollBars, and again
// while the bars change (at most kMaxArrangePasses layouts).
constexpr int kMaxArrangePasses = 4;
struct YdArrangement {
  YdLayoutOutcome layout;
  YdBarState vbar;
  YdBarState hbar;
  std::optional<YdRect> vbarRect;
  std::optional<YdRect> hbarRect;
  int passes = 0;
};
using YdLayoutPass = std::function<YdLayoutOutcome(const YdContainerBox&)>;
YdArrangement ArrangeContainer(const YdContainerBox& box, const YdLayoutPass& layout);
YdArrangement ArrangeContainer(YdLayoutKind kind, const YdContainerBox& box,
                               const std::vector<YdLayoutChild>& children);

// GetScrollPosition / GetScrollRange: (horizontal, vertical), 0 for a
// missing or hidden bar.
YdPoint ScrollPosition(const YdContainerBox& box);
YdPoint ScrollRange(const YdContainerBox& box);

// SetScrollPosition (x, y): the bars' new values and the offset by which
// every visible non-floating child moves (by -dx, -dy). `firstChildTop` is
// the top of the first child, used when there is no shown vertical bar.
struct YdScrollMove {
  YdBarState vbar;
  YdBarState hbar;
  int dx = 0;
  int dy = 0;
  YdBarNotify vNotify;
  YdBarNotify hNotify;
  bool Moves() const { return dx != 0 || dy != 0; }
};
YdScrollMove SetScrollPosition(const YdContainerBox& box, YdPoint target,
                               std::optional<int> firstChildTop);
// A child's rectangle after the move; `measured` is its MeasureSize (0, 0).
YdRect ScrolledChildRect(const YdRect& current, YdSize measured, int dx, int dy);

enum class YdScrollCommand {
  kLineUp, kLineDown, kPageUp, kPageDown, kHomeUp, kEndDown,
  kLineLeft, kLineRight, kPageLeft, kPageRight, kHomeLeft, kEndRight,
};
// The (x, y) a scrolling operation hands to SetScrollPosition.
YdPoint ScrollTarget(YdScrollCommand command, const YdContainerBox& box);

// OnKeyDown: Page Up/Down, End, Home, Up, Down scroll the shown and enabled
// vertical bar, else the shown and enabled horizontal bar; nothing else.
std::optional<YdScrollCommand> ScrollCommandForKey(int virtualKey, const YdContainerBox& box);
// OnMouseWheel: direction 0 scrolls back, 1 forward, on the same bar choice.
std::optional<YdScrollCommand> ScrollCommandForWheel(int direction, const YdContainerBox& box);

}  // namespace ZEPHYRA_NAMESPACE
