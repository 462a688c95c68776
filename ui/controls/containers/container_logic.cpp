// container_logic.cpp -- child insertion index, paint plan and auto-hide.
#include "ui/controls/containers/container_logic.h"

namespace ZEPHYRA_NAMESPACE {

size_t ChildInsertionIndex(int index, size_t count) {
  if (index <= 0) return 0;
  if (static_cast<size_t>(index) < count) return static_cast<size_t>(index);
  return count;
}

YdRect ChildPaintArea(const YdContainerBox& box) {
  YdRect r = box.position.Shrunk(box.inset);
  if (!box.scrollCover) {
    if (box.vbar.Shown()) r.right -= box.vbar.thickness;
    if (box.hbar.Shown()) r.bottom -= box.hbar.thickness;
  }
  return r;
}

bool RectsMeet(const YdRect& a, const YdRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom && !a.IsEmpty() &&
         !b.IsEmpty();
}

std::vector<YdChildPaint> PlanChildPaint(const std::vector<YdPaintChild>& children, const YdRect& position,
                                         const YdRect& childArea, const YdRect& dirty) {
  const bool inChildArea = RectsMeet(dirty, childArea);
  std::vector<YdChildPaint> plan;
  std::vector<size_t> topmost;
  auto paint = [&](size_t i) {
    const YdPaintChild& c = children[i];
    if (c.floating) {
      if (RectsMeet(c.position, position)) plan.push_back({i, YdChildClip::kContainer});
    } else if (RectsMeet(c.position, childArea)) {
      plan.push_back({i, YdChildClip::kChildArea});
    }
  };
  for (size_t i = 0; i < children.size(); ++i) {
    const YdPaintChild& c = children[i];
    if (!c.visible || !RectsMeet(c.position, dirty)) continue;
    if (!inChildArea && !c.floating) continue;
    if (c.topmost) {
      topmost.push_back(i);
      continue;
    }
    paint(i);
  }
  for (size_t i : topmost) paint(i);
  return plan;
}

YdAutoHideTick AutoHideOnTimer(bool pointerOutside, bool cursorInPosition, bool barCaptured) {
  bool next = pointerOutside;
  if (cursorInPosition) {
    next = false;
  } else if (!barCaptured) {
    next = true;
  }
  return {next, next != pointerOutside};
}

bool PaintsScrollBar(const YdBarState& bar, const YdRect& barPosition, const YdRect& dirty, bool autoHide,
                     bool pointerOutside) {
  if (!bar.Shown() || !RectsMeet(barPosition, dirty)) return false;
  return !(autoHide && pointerOutside);
}

}  // namespace ZEPHYRA_NAMESPACE
