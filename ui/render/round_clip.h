// round_clip.h -- rounded clipping of a device context, and the window
// region that cuts away the transparent corner pixels of a skin image.
#pragma once

#include <windows.h>

#include <string>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/values/dpi_scale.h"

namespace ZEPHYRA_NAMESPACE {

struct RoundClip {
  HDC dc = nullptr;
  RECT rect{};
  ScopedRegion previous;  // the clip box in force before
  ScopedRegion round;     // the rounded region intersected into the clip
};

// Intersects the clip of `dc` with `rect` rounded by an rx x rx ellipse;
// ry 0 rounds only the top corners.
void BeginRoundClip(HDC dc, RoundClip* clip, const RECT& rect, int rx, int ry);
void EndRoundClip(RoundClip* clip);

// Region of the client (0, 0, width, height) without the corner pixels of
// the descriptor's image whose four bytes are all 0; null when the
// descriptor has no corner widths or its image cannot be found. The image
// and its corner widths are the 1x ones; at another `scale` each cut pixel
// is the block it covers at that scale (pixel x of a left corner spans
// scale(x) to scale(x + 1), a right corner counts from the client's edge).
HRGN MakeCornerRegion(const std::wstring& descriptor, int client_height, int client_width,
                      YdDpiScale scale = YdDpiScale());

}  // namespace ZEPHYRA_NAMESPACE
