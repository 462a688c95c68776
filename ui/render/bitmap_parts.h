// bitmap_parts.h -- nine-part bitmap drawing and colour fills and frames
// whose colours carry an alpha byte (0xAARRGGBB).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// One of the nine parts: where it goes and which source pixels it takes.
struct BitmapPart {
  RECT dest;
  int srcX, srcY, srcWidth, srcHeight;
};

// The parts of a nine-part drawing in drawing order: centre (unless hole),
// then the corners and edges whose widths are positive.
std::vector<BitmapPart> ComputeBitmapParts(const RECT& source, const RECT& dest, const RECT& corner,
                                           bool hole);

// Draws `bitmap`'s `source` rectangle into `dest` with `corner` border
// widths. Blends (per-pixel alpha, constant `fade`) when `alpha` is set or
// fade is not 255; otherwise copies, with a BitBlt limited to `paint` when
// the image is drawn at its own size without borders.
void PaintBitmapParts(HBITMAP bitmap, const RECT& paint, const RECT& source, HDC dc, const RECT& dest,
                      const RECT& corner, bool alpha, uint8_t fade, bool hole);

void FillArgbRect(HDC dc, const RECT& rect, uint32_t colour, bool force);
void FrameArgbRect(HDC dc, const RECT& rect, int pen_width, uint32_t colour, bool force);
void FrameArgbRoundRect(HDC dc, const RECT& rect, int pen_width, int ellipse_width, int ellipse_height,
                        uint32_t colour);

// The GDI colour (0x00BBGGRR) of an 0xAARRGGBB colour.
inline COLORREF ArgbToColorRef(uint32_t colour) {
  return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

}  // namespace ZEPHYRA_NAMESPACE
