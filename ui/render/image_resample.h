// image_resample.h -- enlarging or reducing an image's pixels with a good
// filter, for skins whose images exist only at 1× shown on a display of
// another scale: the image is resampled once per scale and cached, never
// stretched at every paint.
#pragma once

#include <cstdint>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Premultiplied 0xAARRGGBB pixels, rows top-down, `width` × `height`, to
// `newWidth` × `newHeight`: Catmull-Rom bicubic along an axis that grows,
// the area (box) average along an axis that shrinks. Edges are clamped, so
// the border does not fade; results are rounded and clamped so that no
// colour exceeds its alpha. Empty for an empty or inconsistent input.
std::vector<uint32_t> ResamplePixels(const std::vector<uint32_t>& pixels, int width, int height, int newWidth,
                                     int newHeight);

}  // namespace ZEPHYRA_NAMESPACE
