// window_region_win32.h -- turns a planned window shape (window_chrome.h)
// into a GDI region, and reads a window's shape back for the drop shadow.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <vector>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/window/shadow_bitmap.h"
#include "ui/window/window_chrome.h"

namespace ZEPHYRA_NAMESPACE {

// A new region for `plan`, to be handed to SetWindowRgn (which then owns
// it: pass region.Take()). kCornerImage gives a copy of
// `cornerImageRegion`, the region built once from the image and kept by its
// owner, so the window never frees the cached one. Empty for kKeep, for a
// kCornerImage plan without a cached region, and when GDI fails.
ScopedRegion CreatePlannedRegion(const YdRegionPlan& plan, HRGN cornerImageRegion);

// A copy of `source` (empty when `source` is null or copying fails).
ScopedRegion CopyRegion(HRGN source);

// The shape rows of a w×h window: the rectangle (0, 0, w, h) replaced by the
// window's region when it has one, scanned with PtInRegion.
std::vector<YdRowSpan> ScanWindowShape(HWND window, int width, int height);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
