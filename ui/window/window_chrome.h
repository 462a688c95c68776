// window_chrome.h -- decisions behind the borderless skinned window's frame:
// the hit-test code of a point (sizing borders, corners, caption), the shape
// of the window region for "extendwnd", "roundcornerimage" and "roundcorner",
// the min/max tracking sizes, the delayed-show timer steps and the position
// that centres a window on its owner. All inputs are plain values; the window
// code reads the system state, calls these and applies the result.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// Hit-test codes, equal to the Win32 HT* values.
enum YdHitCode : int {
  kHitUnhandled = 0,  // not decided here: the default procedure answers
  kHitClient = 1,
  kHitCaption = 2,
  kHitLeft = 10,
  kHitRight = 11,
  kHitTop = 12,
  kHitTopLeft = 13,
  kHitTopRight = 14,
  kHitBottom = 15,
  kHitBottomLeft = 16,
  kHitBottomRight = 17,
};

// The "sizebox" window attribute: widths of the four sizing bands and the
// corner extent, which widens the corner codes along each band.
struct YdSizeBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int corner = 0;
  bool IsZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
};

// Sizing code for a client point: the top band, then the bottom band, the
// left band and the right band are tested in that order. kHitUnhandled when
// the window is maximised, the four widths are all 0, or the point lies in
// none of the bands.
int SizingHitCode(YdPoint point, const YdRect& client, const YdSizeBox& sizebox, bool maximized);

// True when the point lies in the caption area: caption.left and
// caption.right are insets from the client's left and right edges,
// caption.top and caption.bottom absolute client ordinates.
bool InCaptionArea(YdPoint point, const YdRect& client, const YdRect& caption);

// The whole WM_NCHITTEST decision. `captionControlAt` answers whether the
// topmost visible control under a point exists and has its "caption" flag;
// it is asked only for points inside the caption area and outside the
// sizing bands. Returns kHitCaption there, a sizing code in a band, and
// kHitUnhandled otherwise (controls in the caption area stay clickable).
int ChromeHitTest(YdPoint point, const YdRect& client, const YdSizeBox& sizebox,
                  const YdRect& caption, bool maximized,
                  const std::function<bool(YdPoint)>& captionControlAt);

// Window shape attributes of the <Window> element.
struct YdWindowShape {
  bool extendWindow = false;  // "extendwnd"
  YdRect mainArea;            // "mainarea"
  YdRect closeArea;           // "closearea": box of the elliptic close area
  std::u16string cornerImage; // "roundcornerimage" descriptor
  int roundA = 0;             // "roundcorner" first value: rounds the top corners
  int roundB = 0;             // second value: rounds the bottom corners
};

// What region WM_SIZE gives the window, as data. The window code turns it
// into a GDI region (a fresh one per SetWindowRgn, which owns it).
// The largest side a window takes from its skin: larger than any display,
// small enough that the shape of a rounded window fits one request to the
// display server.
constexpr int kMaxWindowSide = 16384;

struct YdRegionPlan {
  enum Kind {
    kKeep,         // no SetWindowRgn: minimised, or nothing to change
    kExtendWindow, // rectangle `rect` OR ellipse in `ellipse`
    kCornerImage,  // region derived from `cornerImage` for the client size
    kRoundCorner,  // round rect `rect` with ellipse size `radius`, OR each of `squares`
    kPlainRect,    // rectangle `rect` (undoes an earlier rounded region)
  };
  Kind kind = kKeep;
  YdRect rect;
  YdRect ellipse;
  int radius = 0;
  std::vector<YdRect> squares;
  std::u16string cornerImage;
  // Value of the manager's rounded-region-set flag after applying the plan.
  bool roundedRegionSet = false;
};

// The region for a WM_SIZE. Precedence: "extendwnd", then a non-empty
// "roundcornerimage", then a "roundcorner" pair that is not (0, 0); without
// any of them a plain client rectangle once after a rounded region was set.
// With r = max(a, b) the round rectangle is (left, top, right + 1,
// bottom + 1) with ellipse r×r; b = 0 adds (left, top + r, right, bottom),
// which squares the bottom corners; a = 0 adds (left, top, right,
// bottom - r + 1), which squares the top corners.
YdRegionPlan PlanWindowRegion(const YdWindowShape& shape, const YdRect& client, bool minimized,
                              bool roundedRegionSet);

// The fields of MINMAXINFO that the window chrome reads or writes.
struct YdMinMax {
  YdPoint maxSize;
  YdPoint maxPosition;
  YdPoint minTrackSize;
  YdPoint maxTrackSize;
};

// WM_GETMINMAXINFO: positive "mininfo" values set the min tracking size,
// positive "maxinfo" values the max tracking and maximised sizes; without a
// positive "maxinfo" height the maximised window is fitted to the work area
// (max track height = |2·p.y| + work height, max position moved by the
// work area's left and top, p the incoming max position).
YdMinMax ApplyMinMaxLimits(YdMinMax info, YdSize minInfo, YdSize maxInfo, const YdRect& work);

// Delayed show with timer 257: steps of at most 100 ms.
constexpr int kDelayedShowTimerId = 257;
constexpr int kHeartbeatTimerId = 258;
constexpr int kHeartbeatIntervalMs = 30;
constexpr int kMaxShowStepMs = 100;

struct YdShowStep {
  int intervalMs = 0;  // timer 257 is (re)started with this; 0 = show now
  int remainingMs = 0; // the show delay after this step
};

// One step of the delayed show for the remaining delay: min(delay, 100) ms,
// or "show now" (interval 0) when nothing remains (also for negative delays).
YdShowStep NextShowStep(int remainingMs);

// Every timer interval the window waits before it is shown, in order, for a
// show delay of `delayMs`: 250 gives 100, 100, 50.
std::vector<int> DelayedShowSchedule(int delayMs);

// CenterOnOwner: top-left corner for a window rectangle `window` centred on
// `reference` (the owner's rectangle, or the work area without a usable
// owner), kept inside `work` on each axis.
YdPoint CenterOnReference(const YdRect& window, const YdRect& reference, const YdRect& work);

}  // namespace ZEPHYRA_NAMESPACE
