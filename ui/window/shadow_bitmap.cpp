// shadow_bitmap.cpp -- shape scan, kernel, erosion, soft border and interior
// of the drop shadow.
#include "ui/window/shadow_bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ZEPHYRA_NAMESPACE {

std::vector<YdRowSpan> ScanShapeRows(int width, int height,
                                     const std::function<bool(int x, int y)>& inside) {
  std::vector<YdRowSpan> rows(static_cast<size_t>(std::max(height, 0)));
  for (int y = 0; y < height; ++y) {
    YdRowSpan span{width, 0};
    int x = 0;
    while (x < width && !inside(x, y)) ++x;
    if (x < width) {
      span.left = x;
      int last = width - 1;
      while (last > x && !inside(last, y)) --last;
      span.right = last + 1;
    }
    rows[static_cast<size_t>(y)] = span;
  }
  return rows;
}

std::vector<YdRowSpan> RectangleShape(int width, int height) {
  return std::vector<YdRowSpan>(static_cast<size_t>(std::max(height, 0)),
                                YdRowSpan{0, std::max(width, 0)});
}

uint32_t ShadowPixel(uint32_t colour, uint8_t alpha) {
  const uint32_t red = colour & 0xFF;
  const uint32_t green = (colour >> 8) & 0xFF;
  const uint32_t blue = (colour >> 16) & 0xFF;
  return (red * alpha / 255) << 16 | (green * alpha / 255) << 8 | (blue * alpha / 255) |
         static_cast<uint32_t>(alpha) << 24;
}

YdShadowKernel MakeShadowKernel(const YdShadowParams& params) {
  const int s = std::max(params.size, 0);
  const int k = params.sharpness;
  YdShadowKernel kernel;
  kernel.radius = std::max(s, k);
  const int r = kernel.radius;
  const int q = s > k ? s - k : 0;
  const int side = 2 * r + 1;
  const uint32_t solid = ShadowPixel(params.colour, params.darkness);
  kernel.pixels.assign(static_cast<size_t>(side) * side, 0);
  for (int dy = -r; dy <= r; ++dy) {
    for (int dx = -r; dx <= r; ++dx) {
      const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
      uint32_t value = 0;
      if (d < q) {
        value = solid;
      } else if (d <= r) {
        const double a = (1.0 - (d - q) / (k + 1)) * params.darkness;
        value = ShadowPixel(params.colour, static_cast<uint8_t>(std::max(a, 0.0)));
      }
      kernel.pixels[static_cast<size_t>(dy + r) * side + (dx + r)] = value;
    }
  }
  return kernel;
}

YdShadowImage MakeShadowImage(const std::vector<YdRowSpan>& shape, int width,
                              const YdShadowParams& params) {
  const int w = std::max(width, 0);
  const int h = static_cast<int>(shape.size());
  const int s = std::max(params.size, 0);
  const int k = params.sharpness;
  YdShadowImage image;
  image.width = w + 2 * s;
  image.height = h + 2 * s;
  const int W = image.width;
  const int H = image.height;
  image.pixels.assign(static_cast<size_t>(W) * H, 0);
  if (w == 0 || h == 0) return image;

  // Anchor rows: entry i describes image row i - 1; entries 0 and H + 1 are
  // sentinels outside the image.
  const YdRowSpan empty{w, 0};
  std::vector<YdRowSpan> anchor(static_cast<size_t>(H) + 2, empty);
  for (int y = 0; y < h; ++y) {
    const YdRowSpan& row = shape[static_cast<size_t>(y)];
    anchor[static_cast<size_t>(y + s + 1)] = {row.left + s, row.right + s};
  }

  // Erosion: each pass narrows every inner row to the overlap of itself and
  // its neighbours, one pixel further in.
  for (int pass = 0; pass < k - s; ++pass) {
    const std::vector<YdRowSpan> before = anchor;
    for (int i = 1; i <= H; ++i) {
      const YdRowSpan& a = before[static_cast<size_t>(i - 1)];
      const YdRowSpan& b = before[static_cast<size_t>(i)];
      const YdRowSpan& c = before[static_cast<size_t>(i + 1)];
      anchor[static_cast<size_t>(i)] = {std::max({a.left, b.left, c.left}) + 1,
                                        std::min({a.right, b.right, c.right}) - 1};
    }
  }

  const YdShadowKernel kernel = MakeShadowKernel(params);
  const int r = kernel.radius;
  auto stamp = [&](int cx, int cy) {
    for (int dy = -r; dy <= r; ++dy) {
      const int y = cy + dy;
      if (y < 0 || y >= H) continue;
      for (int dx = -r; dx <= r; ++dx) {
        const int x = cx + dx;
        if (x < 0 || x >= W) continue;
        uint32_t& pixel = image.pixels[static_cast<size_t>(y) * W + x];
        pixel = std::max(pixel, kernel.At(dx, dy));
      }
    }
  };

  // Soft border: only the outer parts of each row are stamped, the part that
  // the rows above and below do not already cover.
  for (int y = r; y < H - r; ++y) {
    const YdRowSpan& row = anchor[static_cast<size_t>(y + 1)];
    if (row.IsEmpty()) continue;
    const YdRowSpan& above = anchor[static_cast<size_t>(y)];
    const YdRowSpan& below = anchor[static_cast<size_t>(y + 2)];
    const int leftStop = std::min(row.right, std::max(above.left, below.left) + 1);
    int x = row.left;
    for (; x < leftStop; ++x) stamp(x, y);
    for (x = std::max(x, std::min(above.right, below.right) - 1); x < row.right; ++x) stamp(x, y);
  }

  // Interior: solid between the anchors, transparent where the window covers it.
  const uint32_t solid = ShadowPixel(params.colour, params.darkness);
  const int first = std::max(0, std::min(r, s - params.yOffset));
  const int end = std::max(H - r, h + std::min(s - params.yOffset, 2 * s));
  for (int y = first; y < end && y < H; ++y) {
    uint32_t* line = &image.pixels[static_cast<size_t>(y) * W];
    const YdRowSpan& row = anchor[static_cast<size_t>(y + 1)];
    for (int x = std::max(row.left, 0); x < std::min(row.right, W); ++x) line[x] = solid;
    const int p = y + params.yOffset - s;
    if (p >= 0 && p < h) {
      const YdRowSpan& covered = shape[static_cast<size_t>(p)];
      const int from = std::max(covered.left + s - params.xOffset, 0);
      const int to = std::min(covered.right + s - params.xOffset, W);
      for (int x = from; x < to; ++x) line[x] = 0;
    }
  }
  return image;
}

void CopyToBottomUpDib(const YdShadowImage& image, uint32_t* bits) {
  const size_t rowBytes = static_cast<size_t>(image.width) * sizeof(uint32_t);
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(bits + static_cast<size_t>(image.height - 1 - y) * image.width,
                image.pixels.data() + static_cast<size_t>(y) * image.width, rowBytes);
  }
}

}  // namespace ZEPHYRA_NAMESPACE
