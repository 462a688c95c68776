// window_chrome.cpp -- hit testing, region shapes, size limits, delayed show
// and centring of the skinned window, as pure computations.
#include "ui/window/window_chrome.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace ZEPHYRA_NAMESPACE {

int SizingHitCode(YdPoint p, const YdRect& rc, const YdSizeBox& sb, bool maximized) {
  if (maximized || sb.IsZero()) return kHitUnhandled;
  const int c = sb.corner;
  const bool nearLeft = p.x < rc.left + sb.left + c;
  const bool nearRight = p.x > rc.right - sb.right - c;
  const bool nearTop = p.y < rc.top + sb.top + c;
  const bool nearBottom = p.y > rc.bottom - sb.bottom - c;
  if (p.y < rc.top + sb.top) {
    return nearLeft ? kHitTopLeft : nearRight ? kHitTopRight : kHitTop;
  }
  if (p.y > rc.bottom - sb.bottom) {
    return nearLeft ? kHitBottomLeft : nearRight ? kHitBottomRight : kHitBottom;
  }
  if (p.x < rc.left + sb.left) {
    return nearTop ? kHitTopLeft : nearBottom ? kHitBottomLeft : kHitLeft;
  }
  if (p.x > rc.right - sb.right) {
    return nearTop ? kHitTopRight : nearBottom ? kHitBottomRight : kHitRight;
  }
  return kHitUnhandled;
}

bool InCaptionArea(YdPoint p, const YdRect& rc, const YdRect& caption) {
  return p.x >= rc.left + caption.left && p.x < rc.right - caption.right &&
         p.y >= caption.top && p.y < caption.bottom;
}

int ChromeHitTest(YdPoint point, const YdRect& client, const YdSizeBox& sizebox,
                  const YdRect& caption, bool maximized,
                  const std::function<bool(YdPoint)>& captionControlAt) {
  const int sizing = SizingHitCode(point, client, sizebox, maximized);
  if (sizing != kHitUnhandled) return sizing;
  if (InCaptionArea(point, client, caption) && captionControlAt && captionControlAt(point)) {
    return kHitCaption;
  }
  return kHitUnhandled;
}

YdRegionPlan PlanWindowRegion(const YdWindowShape& shape, const YdRect& rc, bool minimized,
                              bool roundedRegionSet) {
  YdRegionPlan plan;
  plan.roundedRegionSet = roundedRegionSet;
  if (minimized) return plan;
  if (shape.extendWindow) {
    plan.kind = YdRegionPlan::kExtendWindow;
    plan.rect = shape.mainArea;
    plan.ellipse = shape.closeArea;
    plan.roundedRegionSet = true;
    return plan;
  }
  if (!shape.cornerImage.empty()) {
    plan.kind = YdRegionPlan::kCornerImage;
    plan.cornerImage = shape.cornerImage;
    plan.rect = rc;
    plan.roundedRegionSet = true;
    return plan;
  }
  if (shape.roundA != 0 || shape.roundB != 0) {
    // No corner is rounder than the window is large: the region of a
    // bigger ellipse is all rows and breaks the display's shape request.
    const int64_t span = std::max<int64_t>(int64_t{rc.right} - rc.left, int64_t{rc.bottom} - rc.top) + 1;
    const int r = static_cast<int>(std::clamp<int64_t>(std::max(shape.roundA, shape.roundB), 0, span));
    plan.kind = YdRegionPlan::kRoundCorner;
    plan.rect = {rc.left, rc.top, rc.right + 1, rc.bottom + 1};
    plan.radius = r;
    if (shape.roundB == 0) plan.squares.push_back({rc.left, rc.top + r, rc.right, rc.bottom});
    if (shape.roundA == 0) plan.squares.push_back({rc.left, rc.top, rc.right, rc.bottom - r + 1});
    plan.roundedRegionSet = true;
    return plan;
  }
  if (roundedRegionSet) {
    plan.kind = YdRegionPlan::kPlainRect;
    plan.rect = rc;
    plan.roundedRegionSet = false;
  }
  return plan;
}

YdMinMax ApplyMinMaxLimits(YdMinMax info, YdSize minInfo, YdSize maxInfo, const YdRect& work) {
  if (minInfo.cx > 0) info.minTrackSize.x = minInfo.cx;
  if (minInfo.cy > 0) info.minTrackSize.y = minInfo.cy;
  if (maxInfo.cx > 0) {
    info.maxTrackSize.x = maxInfo.cx;
    info.maxSize.x = maxInfo.cx;
  }
  if (maxInfo.cy > 0) {
    info.maxTrackSize.y = maxInfo.cy;
    info.maxSize.y = maxInfo.cy;
  } else {
    const YdPoint p = info.maxPosition;
    info.maxTrackSize.y = std::abs(2 * p.y) + work.Height();
    info.maxPosition.x = p.x + work.left;
    info.maxPosition.y = p.y + work.top;
  }
  return info;
}

YdShowStep NextShowStep(int remainingMs) {
  YdShowStep step;
  if (remainingMs <= 0) return step;
  step.intervalMs = std::min(remainingMs, kMaxShowStepMs);
  step.remainingMs = remainingMs - step.intervalMs;
  return step;
}

std::vector<int> DelayedShowSchedule(int delayMs) {
  std::vector<int> intervals;
  for (YdShowStep s = NextShowStep(delayMs); s.intervalMs != 0; s = NextShowStep(s.remainingMs)) {
    intervals.push_back(s.intervalMs);
  }
  return intervals;
}

YdPoint CenterOnReference(const YdRect& window, const YdRect& ref, const YdRect& work) {
  const int w = window.Width();
  const int h = window.Height();
  int x = (ref.left + ref.right) / 2 - w / 2;
  int y = (ref.top + ref.bottom) / 2 - h / 2;
  if (x < work.left) {
    x = work.left;
  } else if (x + w > work.right) {
    x = work.right - w;
  }
  if (y < work.top) {
    y = work.top;
  } else if (y + h > work.bottom) {
    y = work.bottom - h;
  }
  return {x, y};
}

}  // namespace ZEPHYRA_NAMESPACE
