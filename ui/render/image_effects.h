// image_effects.h -- new bitmaps made from decoded images for one draw:
// grayscale, fading reflection, rotation, region masking, row cropping and
// icon conversion. The pixel arithmetic is exposed as pure functions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/render/decoded_image.h"

namespace ZEPHYRA_NAMESPACE {

// Pixels are 0xAARRGGBB values, top-down rows.
uint32_t GrayPixel(uint32_t pixel);
// Scale factor f(k) (0..229) of reflection row k of n, counted from the row
// farthest from the image.
int ReflectionRowFactor(int k, int n);
std::vector<uint32_t> ReflectPixels(const std::vector<uint32_t>& pixels, int width, int height, int rows);
// Rotation by an angle in degrees: a whole turn more or less is the same
// angle, and nan or an infinity is no rotation.
double TurnAngle(double degrees);
SIZE RotatedSize(int width, int height, double degrees);
std::vector<uint32_t> RotatePixels(const std::vector<uint32_t>& pixels, int width, int height, double degrees,
                                   SIZE* size);
// Transparent where the region pixel, read as 0xAABBGGRR, equals `colour`;
// the image pixel elsewhere (made opaque when `image_alpha` is false). Image
// row y and column x go with region row y and column x.
std::vector<uint32_t> MaskPixels(const std::vector<uint32_t>& region, const std::vector<uint32_t>& image,
                                 int image_width, int width, int height, uint32_t colour, bool image_alpha);

YdDecodedImagePtr MakeGrayCopy(const YdDecodedImage& image);
// A reflection of min(image height, destination height) rows.
ScopedBitmap MakeReflection(const RECT& dest, const YdDecodedImage& image, int* rows = nullptr);
// Grows `dest` around the rotated image; null when nothing can be made.
ScopedBitmap MakeRotatedBitmap(RECT* dest, const YdDecodedImage& image, double degrees);
ScopedBitmap MaskWithRegionImage(const YdDecodedImage& region, const YdDecodedImage& image, const RECT& dest,
                                 uint32_t colour);
ScopedBitmap CropBitmapRows(const YdDecodedImage& image, const RECT& rect);
YdDecodedImagePtr IconToImage(HICON icon, int size, HDC dc);

}  // namespace ZEPHYRA_NAMESPACE
