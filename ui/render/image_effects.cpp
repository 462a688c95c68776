// image_effects.cpp -- grayscale, reflection, rotation, region masking,
// cropping and icon conversion.
#include "ui/render/image_effects.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ZEPHYRA_NAMESPACE {
namespace {

ScopedBitmap MakeDibFrom(const std::vector<uint32_t>& pixels, int width, int height) {
  uint32_t* bits = nullptr;
  ScopedBitmap bitmap(CreateDib32(width, height, true, &bits));
  if (bitmap && !pixels.empty()) {
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    ::GdiFlush();
  }
  return bitmap;
}

}  // namespace

uint32_t GrayPixel(uint32_t pixel) {
  const uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  const uint32_t y = static_cast<uint32_t>(0.299 * r + 0.587 * g + 0.114 * b);
  return (pixel & 0xFF000000u) | (y << 16) | (y << 8) | y;
}

int ReflectionRowFactor(int k, int n) {
  if (n <= 0 || k < 0.1 * n) return 0;
  const int a = static_cast<int>(229.5 * (k - 0.1 * n) / (0.9 * n));
  return static_cast<int>(229.5 * 255 * a / 65025);
}

std::vector<uint32_t> ReflectPixels(const std::vector<uint32_t>& pixels, int width, int height, int rows) {
  std::vector<uint32_t> out(static_cast<size_t>(width) * rows);
  for (int r = 0; r < rows; ++r) {
    const uint32_t* from = &pixels[static_cast<size_t>(height - 1 - r) * width];
    const int f = ReflectionRowFactor(rows - 1 - r, rows);
    uint32_t* to = &out[static_cast<size_t>(r) * width];
    for (int x = 0; x < width; ++x) {
      uint32_t v = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t byte = (from[x] >> shift) & 0xFF;
        v |= (byte * f / 255) << shift;
      }
      to[x] = v;
    }
  }
  return out;
}

double TurnAngle(double degrees) { return std::isfinite(degrees) ? std::fmod(degrees, 360.0) : 0.0; }

SIZE RotatedSize(int width, int height, double degrees) {
  degrees = TurnAngle(degrees);
  const double theta = -degrees * 3.14159265358979323846 / 180.0;
  const double c = std::cos(theta), s = std::sin(theta);
  const double xs[4] = {0, width - 0.5, 0, width - 0.5};
  const double ys[4] = {0, 0, height - 0.5, height - 0.5};
  double min_x = 1e300, max_x = -1e300, min_y = 1e300, max_y = -1e300;
  for (int i = 0; i < 4; ++i) {
    const double x = xs[i] * c - ys[i] * s;
    const double y = xs[i] * s + ys[i] * c;
    min_x = std::min(min_x, x);
    max_x = std::max(max_x, x);
    min_y = std::min(min_y, y);
    max_y = std::max(max_y, y);
  }
  int w = static_cast<int>(std::floor(max_x - min_x + 0.5));
  int h = static_cast<int>(std::floor(max_y - min_y + 0.5));
  if ((w - width) % 2 != 0) ++w;
  if ((h - height) % 2 != 0) ++h;
  return SIZE{w, h};
}

std::vector<uint32_t> RotatePixels(const std::vector<uint32_t>& pixels, int width, int height, double degrees,
                                   SIZE* size) {
  degrees = TurnAngle(degrees);
  const SIZE out_size = RotatedSize(width, height, degrees);
  *size = out_size;
  std::vector<uint32_t> out(static_cast<size_t>(std::max<LONG>(out_size.cx, 0)) * std::max<LONG>(out_size.cy, 0));
  const double theta = -degrees * 3.14159265358979323846 / 180.0;
  const double c = std::cos(theta), s = std::sin(theta);
  const double in_cx = (width - 1) / 2.0, in_cy = (height - 1) / 2.0;
  const double out_cx = (out_size.cx - 1) / 2.0, out_cy = (out_size.cy - 1) / 2.0;
  auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; };
  for (int oy = 0; oy < out_size.cy; ++oy) {
    for (int ox = 0; ox < out_size.cx; ++ox) {
      const double dx = ox - out_cx, dy = oy - out_cy;
      // Inverse of the forward rotation (x cos - y sin, x sin + y cos).
      double sx = dx * c + dy * s + in_cx;
      double sy = -dx * s + dy * c + in_cy;
      // Rounding noise of the trigonometry must not push an exact pixel
      // position below its integer.
      if (std::fabs(sx - std::round(sx)) < 1e-9) sx = std::round(sx);
      if (std::fabs(sy - std::round(sy)) < 1e-9) sy = std::round(sy);
      if (sx < -1 || sx >= width || sy < -1 || sy >= height) continue;
      const int x0 = static_cast<int>(std::floor(sx));
      const int y0 = static_cast<int>(std::floor(sy));
      if (x0 < 0 || y0 < 0 || x0 + 1 >= width || y0 + 1 >= height) continue;
      const double fx = sx - x0, fy = sy - y0;
      const double w00 = (1 - fx) * (1 - fy), w10 = fx * (1 - fy), w01 = (1 - fx) * fy, w11 = fx * fy;
      const uint32_t p00 = at(x0, y0), p10 = at(x0 + 1, y0), p01 = at(x0, y0 + 1), p11 = at(x0 + 1, y0 + 1);
      uint32_t v = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        const double mixed = w00 * ((p00 >> shift) & 0xFF) + w10 * ((p10 >> shift) & 0xFF) +
                             w01 * ((p01 >> shift) & 0xFF) + w11 * ((p11 >> shift) & 0xFF);
        v |= (static_cast<uint32_t>(mixed) & 0xFF) << shift;
      }
      out[static_cast<size_t>(oy) * out_size.cx + ox] = v;
    }
  }
  return out;
}

std::vector<uint32_t> MaskPixels(const std::vector<uint32_t>& region, const std::vector<uint32_t>& image,
                                 int image_width, int width, int height, uint32_t colour, bool image_alpha) {
  std::vector<uint32_t> out(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t r = region[static_cast<size_t>(y) * width + x];
      const uint32_t abgr = (r & 0xFF00FF00u) | ((r >> 16) & 0xFF) | ((r & 0xFF) << 16);
      if (abgr == colour) continue;
      uint32_t p = image[static_cast<size_t>(y) * image_width + x];
      if (!image_alpha) p |= 0xFF000000u;
      out[static_cast<size_t>(y) * width + x] = p;
    }
  }
  return out;
}

YdDecodedImagePtr MakeGrayCopy(const YdDecodedImage& image) {
  std::vector<uint32_t> pixels = ReadBitmapPixels(image.bitmap.Get(), image.width, image.height);
  if (pixels.empty()) return nullptr;
  for (uint32_t& p : pixels) p = GrayPixel(p);
  auto copy = std::make_unique<YdDecodedImage>();
  copy->bitmap = MakeDibFrom(pixels, image.width, image.height);
  if (!copy->bitmap) return nullptr;
  copy->width = image.width;
  copy->height = image.height;
  copy->alpha = image.alpha;
  return copy;
}

ScopedBitmap MakeReflection(const RECT& dest, const YdDecodedImage& image, int* rows) {
  const int n = std::min<int>(image.height, dest.bottom - dest.top);
  if (rows != nullptr) *rows = n;
  if (n <= 0) return ScopedBitmap();
  const std::vector<uint32_t> pixels = ReadBitmapPixels(image.bitmap.Get(), image.width, image.height);
  if (pixels.empty()) return ScopedBitmap();
  return MakeDibFrom(ReflectPixels(pixels, image.width, image.height, n), image.width, n);
}

ScopedBitmap MakeRotatedBitmap(RECT* dest, const YdDecodedImage& image, double degrees) {
  const std::vector<uint32_t> pixels = ReadBitmapPixels(image.bitmap.Get(), image.width, image.height);
  if (pixels.empty()) return ScopedBitmap();
  SIZE size{};
  const std::vector<uint32_t> rotated = RotatePixels(pixels, image.width, image.height, degrees, &size);
  if (size.cx <= 0 || size.cy <= 0) return ScopedBitmap();
  dest->left -= (size.cx - image.width) / 2;
  dest->right = dest->left + size.cx;
  dest->top -= (size.cy - image.height) / 2;
  dest->bottom = dest->top + size.cy;
  return MakeDibFrom(rotated, size.cx, size.cy);
}

ScopedBitmap MaskWithRegionImage(const YdDecodedImage& region, const YdDecodedImage& image, const RECT& dest,
                                 uint32_t colour) {
  const int w = dest.right - dest.left, h = dest.bottom - dest.top;
  if (region.width != w || region.height != h || w <= 0 || h <= 0) return ScopedBitmap();
  if (image.width < w || image.height < h) return ScopedBitmap();
  const std::vector<uint32_t> region_pixels = ReadBitmapPixels(region.bitmap.Get(), w, h);
  const std::vector<uint32_t> image_pixels = ReadBitmapPixels(image.bitmap.Get(), image.width, image.height);
  if (region_pixels.empty() || image_pixels.empty()) return ScopedBitmap();
  return MakeDibFrom(MaskPixels(region_pixels, image_pixels, image.width, w, h, colour, image.alpha), w, h);
}

ScopedBitmap CropBitmapRows(const YdDecodedImage& image, const RECT& rect) {
  const int rows = std::min<int>(image.height, rect.bottom - rect.top);
  if (rows <= 0) return ScopedBitmap();
  std::vector<uint32_t> pixels = ReadBitmapPixels(image.bitmap.Get(), image.width, image.height);
  if (pixels.empty()) return ScopedBitmap();
  pixels.resize(static_cast<size_t>(image.width) * rows);
  return MakeDibFrom(pixels, image.width, rows);
}

YdDecodedImagePtr IconToImage(HICON icon, int size, HDC dc) {
  if (icon == nullptr || size <= 0) return nullptr;
  ScopedCreateDC memory(::CreateCompatibleDC(dc));
  uint32_t* bits = nullptr;
  ScopedBitmap bitmap(CreateDib32(size, size, true, &bits));
  if (!memory || !bitmap) return nullptr;
  const size_t count = static_cast<size_t>(size) * size;
  {
    ScopedSelectObject select(memory.Get(), bitmap.Get());
    ::DrawIconEx(memory.Get(), 0, 0, icon, size, size, 0, nullptr, DI_MASK);
    ::GdiFlush();
    const std::vector<uint32_t> mask(bits, bits + count);
    std::memset(bits, 0, count * sizeof(uint32_t));
    ::DrawIconEx(memory.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    for (size_t i = 0; i < count; ++i) {
      if ((mask[i] & 0x00FFFFFFu) == 0x00FFFFFFu) {
        bits[i] = 0;
      } else if ((bits[i] >> 24) == 0) {
        bits[i] |= 0xFF000000u;
      }
    }
  }
  auto image = std::make_unique<YdDecodedImage>();
  image->bitmap = std::move(bitmap);
  image->width = size;
  image->height = size;
  image->alpha = true;
  return image;
}

}  // namespace ZEPHYRA_NAMESPACE
