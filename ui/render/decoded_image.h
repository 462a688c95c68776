// decoded_image.h -- one loaded image: a premultiplied 32-bit bitmap, its size
// and whether it needs per-pixel blending. Owned by the image cache, or by the
// function that made a temporary copy; painters only borrow it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

struct YdDecodedImage {
  ScopedBitmap bitmap;
  int width = 0;
  int height = 0;
  // True when some pixel is not fully opaque (or was keyed out by the mask);
  // selects the AlphaBlend path when the image is drawn.
  bool alpha = false;
};

using YdDecodedImagePtr = std::unique_ptr<YdDecodedImage>;

// Creates a 32-bit BGRA DIB section; a negative-height (top-down) one when
// `top_down` is set. `bits` receives the pixel pointer. Null on failure.
HBITMAP CreateDib32(int width, int height, bool top_down, uint32_t** bits);

// Reads a bitmap's pixels as top-down 32-bit values (0xAARRGGBB); empty when
// the bitmap cannot be read.
std::vector<uint32_t> ReadBitmapPixels(HBITMAP bitmap, int width, int height);

}  // namespace ZEPHYRA_NAMESPACE
