// scroll_range.cpp -- bar setters, ProcessScrollBars, repeated layout,
// scroll offsets and the scrolling steps.
#include "ui/controls/containers/scroll_range.h"

#include <algorithm>
#include <cstdint>

#include "ui/controls/containers/layout_logic.h"

namespace ZEPHYRA_NAMESPACE {

void SetBarRange(YdBarState& bar, int range) {
  bar.range = std::max(range, 0);
  bar.position = std::clamp(bar.position, 0, bar.range);
}

YdBarNotify SetBarPosition(YdBarState& bar, int position) {
  const int clamped = std::clamp(position, 0, bar.range);
  YdBarNotify notify;
  if (clamped == bar.position) return notify;
  bar.position = clamped;
  notify.raised = true;
  // 64-bit product: a position above 21 million would overflow an int.
  notify.wParam = bar.range == 0 ? 0 : static_cast<int>(int64_t{clamped} * 100 / bar.range);
  notify.lParam = clamped;
  return notify;
}

namespace {

// One bar's decision: `shown` is the content extent along the bar, `needed`
// the content's need.
void DecideBar(YdBarState& bar, int shown, int needed, bool& changed) {
  if (!bar.exists) return;
  if (shown < needed) {
    if (bar.visible) {
      const int before = bar.position;
      SetBarRange(bar, needed - shown);
      if (bar.position != before) changed = true;
    } else {
      bar.visible = true;
      SetBarRange(bar, needed - shown);
      bar.position = 0;
      changed = true;
    }
  } else if (bar.visible) {
    bar.visible = false;
    bar.position = 0;
    bar.range = 0;
    changed = true;
  }
}

}  // namespace

YdScrollBarsOutcome ProcessScrollBars(const YdRect& content, YdSize needed, const YdBarState& vbar,
                                      const YdBarState& hbar) {
  YdScrollBarsOutcome out;
  out.vbar = vbar;
  out.hbar = hbar;
  DecideBar(out.vbar, content.Height(), needed.cy, out.changed);
  if (out.vbar.Shown()) {
    out.vbarRect = YdRect{content.right, content.top, content.right + out.vbar.thickness, content.bottom};
  }
  DecideBar(out.hbar, content.Width(), needed.cx, out.changed);
  if (out.hbar.Shown()) {
    out.hbarRect = YdRect{content.left, content.bottom, content.right, content.bottom + out.hbar.thickness};
  }
  return out;
}

YdArrangement ArrangeContainer(const YdContainerBox& box, const YdLayoutPass& layout) {
  YdArrangement result;
  YdContainerBox current = box;
  for (;;) {
    result.layout = layout(current);
    ++result.passes;
    const YdScrollBarsOutcome bars =
        ProcessScrollBars(result.layout.content, result.layout.needed, current.vbar, current.hbar);
    result.vbar = bars.vbar;
    result.hbar = bars.hbar;
    result.vbarRect = bars.vbarRect;
    result.hbarRect = bars.hbarRect;
    current.vbar = bars.vbar;
    current.hbar = bars.hbar;
    // A layout whose bars keep flipping stops after a few passes instead of
    // recursing without end.
    if (!bars.changed || result.passes >= kMaxArrangePasses) break;
  }
  return result;
}

YdArrangement ArrangeContainer(YdLayoutKind kind, const YdContainerBox& box,
                               const std::vector<YdLayoutChild>& children) {
  return ArrangeContainer(box, [&](const YdContainerBox& b) { return LayoutOfKind(kind, b, children); });
}

YdPoint ScrollPosition(const YdContainerBox& box) {
  return {box.hbar.Shown() ? box.hbar.position : 0, box.vbar.Shown() ? box.vbar.position : 0};
}

YdPoint ScrollRange(const YdContainerBox& box) {
  return {box.hbar.Shown() ? box.hbar.range : 0, box.vbar.Shown() ? box.vbar.range : 0};
}

YdScrollMove SetScrollPosition(const YdContainerBox& box, YdPoint target,
                               std::optional<int> firstChildTop) {
  YdScrollMove move;
  move.vbar = box.vbar;
  move.hbar = box.hbar;
  if (box.vbar.Shown()) {
    const int before = move.vbar.position;
    move.vNotify = SetBarPosition(move.vbar, target.y);
    move.dy = move.vbar.position - before;
  } else if (firstChildTop) {
    move.dy = *firstChildTop + target.y - box.position.top;
  }
  if (box.hbar.Shown()) {
    const int before = move.hbar.position;
    move.hNotify = SetBarPosition(move.hbar, target.x);
    move.dx = move.hbar.position - before;
  }
  return move;
}

YdRect ScrolledChildRect(const YdRect& current, YdSize measured, int dx, int dy) {
  return {current.left - dx, current.top - dy,
          measured.cx ? current.left + measured.cx - dx : current.right - dx,
          measured.cy ? current.top + measured.cy - dy : current.bottom - dy};
}

YdPoint ScrollTarget(YdScrollCommand command, const YdContainerBox& box) {
  const YdPoint pos = ScrollPosition(box);
  const YdPoint range = ScrollRange(box);
  const YdRect& in = box.inset;
  const int pageY = box.position.Height() - in.top - in.bottom - (box.hbar.Shown() ? box.hbar.thickness : 0);
  const int pageX = box.position.Width() - in.left - in.right - (box.vbar.Shown() ? box.vbar.thickness : 0);
  switch (command) {
    case YdScrollCommand::kLineUp: return {pos.x, pos.y - box.vbar.lineSize};
    case YdScrollCommand::kLineDown: return {pos.x, pos.y + box.vbar.lineSize};
    case YdScrollCommand::kPageUp: return {pos.x, pos.y - pageY};
    case YdScrollCommand::kPageDown: return {pos.x, pos.y + pageY};
    case YdScrollCommand::kHomeUp: return {pos.x, 0};
    case YdScrollCommand::kEndDown: return {pos.x, range.y};
    case YdScrollCommand::kLineLeft: return {pos.x - 8, pos.y};
    case YdScrollCommand::kLineRight: return {pos.x + 8, pos.y};
    case YdScrollCommand::kPageLeft: return {pos.x - pageX, pos.y};
    case YdScrollCommand::kPageRight: return {pos.x + pageX, pos.y};
    case YdScrollCommand::kHomeLeft: return {0, pos.y};
    case YdScrollCommand::kEndRight: return {range.x, pos.y};
  }
  return pos;
}

namespace {
bool Usable(const YdBarState& bar) { return bar.Shown() && bar.enabled; }
}  // namespace

std::optional<YdScrollCommand> ScrollCommandForKey(int virtualKey, const YdContainerBox& box) {
  using C = YdScrollCommand;
  const bool vertical = Usable(box.vbar);
  if (!vertical && !Usable(box.hbar)) return std::nullopt;
  switch (virtualKey) {
    case 33: return vertical ? C::kPageUp : C::kPageLeft;     // Page Up
    case 34: return vertical ? C::kPageDown : C::kPageRight;  // Page Down
    case 35: return vertical ? C::kEndDown : C::kEndRight;    // End
    case 36: return vertical ? C::kHomeUp : C::kHomeLeft;     // Home
    case 38: return vertical ? C::kLineUp : C::kLineLeft;     // Up
    case 40: return vertical ? C::kLineDown : C::kLineRight;  // Down
    default: return std::nullopt;
  }
}

std::optional<YdScrollCommand> ScrollCommandForWheel(int direction, const YdContainerBox& box) {
  using C = YdScrollCommand;
  if (direction != 0 && direction != 1) return std::nullopt;
  if (Usable(box.vbar)) return direction == 0 ? C::kLineUp : C::kLineDown;
  if (Usable(box.hbar)) return direction == 0 ? C::kLineLeft : C::kLineRight;
  return std::nullopt;
}

}  // namespace ZEPHYRA_NAMESPACE
