// shadow_bitmap.h -- the pixels of a window's drop shadow: a soft border
// stamped with a round kernel along the (eroded) outline of the window's
// shape, a solid interior, and a transparent hole where the window itself
// covers the shadow. Pixels are premultiplied BGRA (0xAARRGGBB as 32-bit
// values), rows from the top of the image; the shadow window copies them
// into its bottom-up DIB section and pushes them with UpdateLayeredWindow.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

struct YdShadowParams {
  uint8_t darkness = 150;  // alpha of the solid part
  uint8_t sharpness = 5;   // width in pixels of the soft edge
  int size = 0;            // how far the shadow extends beyond the window on every side (< 0 taken as 0)
  int xOffset = 5;         // displacement of the shadow relative to the window
  int yOffset = 5;
  uint32_t colour = 0;     // COLORREF 0x00BBGGRR
};

// One row of the window's shape: the first inside pixel and one past the
// last. A row without inside pixels is (width, 0).
struct YdRowSpan {
  int left = 0;
  int right = 0;
  bool IsEmpty() const { return left >= right; }
};

// The shape of a w×h window, row by row, from an inside test (PtInRegion of
// the window region, or always true for a rectangular window). Each row is
// scanned from the left until its first inside pixel and from the right
// until its last one.
std::vector<YdRowSpan> ScanShapeRows(int width, int height,
                                     const std::function<bool(int x, int y)>& inside);

// A full-width rectangular shape of w×h.
std::vector<YdRowSpan> RectangleShape(int width, int height);

// premultiply(colour, alpha) | alpha << 24, integer divisions by 255.
uint32_t ShadowPixel(uint32_t colour, uint8_t alpha);

// The stamp of the soft border: side 2r + 1 with r = max(size, sharpness),
// rows from the top. Distance d from the centre: d < q (q = size -
// sharpness when positive, else 0) is solid; q <= d <= r has alpha
// (1 - (d - q)/(sharpness + 1))·darkness truncated; beyond r is 0.
struct YdShadowKernel {
  int radius = 0;
  std::vector<uint32_t> pixels;  // (2r + 1)² values
  uint32_t At(int dx, int dy) const {
    const int side = 2 * radius + 1;
    return pixels[static_cast<size_t>(dy + radius) * side + (dx + radius)];
  }
};
YdShadowKernel MakeShadowKernel(const YdShadowParams& params);

struct YdShadowImage {
  int width = 0;   // window width + 2·size
  int height = 0;  // window height + 2·size
  std::vector<uint32_t> pixels;  // rows from the top
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The shadow of a window whose shape (one span per window row, `shape.size()`
// rows) lies in a window `width` pixels wide.
YdShadowImage MakeShadowImage(const std::vector<YdRowSpan>& shape, int width,
                              const YdShadowParams& params);

// Copies the image into the bits of a bottom-up 32-bit DIB of the same size
// (the image's top row becomes the DIB's last row in memory).
void CopyToBottomUpDib(const YdShadowImage& image, uint32_t* bits);

}  // namespace ZEPHYRA_NAMESPACE
