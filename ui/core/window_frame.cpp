// window_frame.cpp -- hit testing, window region and size limits applied to
// a real borderless window.
#include "ui/core/window_frame.h"

#include "ui/core/round_clip.h"
#include "ui/core/window_region_win32.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

YdRect ClientRect(HWND window) {
  RECT rc{};
  ::GetClientRect(window, &rc);
  return {rc.left, rc.top, rc.right, rc.bottom};
}

}  // namespace

namespace {

void ApplyMinMax(MINMAXINFO* info, const YdWindowAttributes& attributes) {
  if (info == nullptr) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  const HMONITOR primary = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  ::GetMonitorInfoW(primary, &monitor);
  const RECT& w = monitor.rcWork;
  YdMinMax in;
  in.maxSize = {info->ptMaxSize.x, info->ptMaxSize.y};
  in.maxPosition = {info->ptMaxPosition.x, info->ptMaxPosition.y};
  in.minTrackSize = {info->ptMinTrackSize.x, info->ptMinTrackSize.y};
  in.maxTrackSize = {info->ptMaxTrackSize.x, info->ptMaxTrackSize.y};
  const YdMinMax out = ApplyMinMaxLimits(in, attributes.minInfo, attributes.maxInfo,
                                         {w.left, w.top, w.right, w.bottom});
  info->ptMaxSize = {out.maxSize.x, out.maxSize.y};
  info->ptMaxPosition = {out.maxPosition.x, out.maxPosition.y};
  info->ptMinTrackSize = {out.minTrackSize.x, out.minTrackSize.y};
  info->ptMaxTrackSize = {out.maxTrackSize.x, out.maxTrackSize.y};
}

}  // namespace

bool YdWindowFrame::HandleMessage(HWND window, const YdWindowAttributes& attributes, UINT msg,
                                  WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NCHITTEST: {
      const int code = HitTest(window, attributes, lParam);
      if (code == kHitUnhandled) return false;
      result = code;
      return true;
    }
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) ApplyRegion(window, attributes.shape);
      result = 0;
      return true;
    case WM_GETMINMAXINFO:
      ApplyMinMax(reinterpret_cast<MINMAXINFO*>(lParam), attributes);
      return false;
    default:
      return false;
  }
}

int YdWindowFrame::HitTest(HWND window, const YdWindowAttributes& attributes,
                           LPARAM lParam) const {
  POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ::ScreenToClient(window, &pt);
  const auto probe = [this](YdPoint p) { return caption_probe_ && caption_probe_(p); };
  return ChromeHitTest({pt.x, pt.y}, ClientRect(window), attributes.sizebox, attributes.caption,
                       ::IsZoomed(window) != FALSE, probe);
}

void YdWindowFrame::ApplyRegion(HWND window, const YdWindowShape& shape) {
  const YdRect client = ClientRect(window);
  const YdRegionPlan plan =
      PlanWindowRegion(shape, client, ::IsIconic(window) != FALSE, rounded_region_set_);
  if (plan.kind == YdRegionPlan::kKeep) return;
  if (plan.kind == YdRegionPlan::kCornerImage && !corner_image_region_) {
    corner_image_region_.Set(
        MakeCornerRegion(std::wstring(plan.cornerImage.begin(), plan.cornerImage.end()),
                         client.Height(), client.Width()));
  }
  ScopedRegion region = CreatePlannedRegion(plan, corner_image_region_.Get());
  if (!region) return;
  if (::SetWindowRgn(window, region.Get(), TRUE) != 0) {
    (void)region.Take();  // the window owns it now
    rounded_region_set_ = plan.roundedRegionSet;
  }
}

}  // namespace ZEPHYRA_NAMESPACE
