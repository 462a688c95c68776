// image_resample.cpp -- separable bicubic / area resampling of premultiplied
// pixels.
#include "ui/render/image_resample.h"

#include <algorithm>
#include <cmath>

namespace ZEPHYRA_NAMESPACE {
namespace {

// One output sample: input indices and their weights (summing to 1).
struct Tap {
  std::vector<int> index;
  std::vector<double> weight;
};

double CatmullRom(double x) {
  x = std::fabs(x);
  if (x < 1) return 1.5 * x * x * x - 2.5 * x * x + 1;
  if (x < 2) return -0.5 * x * x * x + 2.5 * x * x - 4 * x + 2;
  return 0;
}

std::vector<Tap> Taps(int in, int out) {
  std::vector<Tap> taps(static_cast<size_t>(out));
  const double ratio = static_cast<double>(in) / out;
  for (int o = 0; o < out; ++o) {
    Tap& t = taps[static_cast<size_t>(o)];
    if (out >= in) {
      // Enlarging: four neighbours of the output centre mapped back.
      const double centre = (o + 0.5) * ratio - 0.5;
      const int first = static_cast<int>(std::floor(centre)) - 1;
      for (int i = first; i < first + 4; ++i) {
        t.index.push_back(std::clamp(i, 0, in - 1));
        t.weight.push_back(CatmullRom(centre - i));
      }
    } else {
      // Reducing: the input span the output pixel covers, by coverage.
      const double start = o * ratio;
      const double end = start + ratio;
      for (int i = static_cast<int>(std::floor(start)); i < end && i < in; ++i) {
        const double cover = std::min<double>(end, i + 1) - std::max<double>(start, i);
        if (cover <= 0) continue;
        t.index.push_back(i);
        t.weight.push_back(cover);
      }
    }
    double sum = 0;
    for (double w : t.weight) sum += w;
    for (double& w : t.weight) w /= sum;
  }
  return taps;
}

}  // namespace

std::vector<uint32_t> ResamplePixels(const std::vector<uint32_t>& pixels, int width, int height, int newWidth,
                                     int newHeight) {
  if (width <= 0 || height <= 0 || newWidth <= 0 || newHeight <= 0 ||
      pixels.size() != static_cast<size_t>(width) * height) {
    return {};
  }
  // Rows first into a float image of newWidth × height, then columns.
  const std::vector<Tap> across = Taps(width, newWidth);
  const std::vector<Tap> down = Taps(height, newHeight);
  std::vector<double> mid(static_cast<size_t>(newWidth) * height * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < newWidth; ++x) {
      const Tap& t = across[static_cast<size_t>(x)];
      double* d = &mid[(static_cast<size_t>(y) * newWidth + x) * 4];
      for (size_t k = 0; k < t.index.size(); ++k) {
        const uint32_t p = pixels[static_cast<size_t>(y) * width + t.index[k]];
        for (int c = 0; c < 4; ++c) d[c] += t.weight[k] * ((p >> (8 * c)) & 0xFF);
      }
    }
  }
  std::vector<uint32_t> out(static_cast<size_t>(newWidth) * newHeight);
  for (int y = 0; y < newHeight; ++y) {
    const Tap& t = down[static_cast<size_t>(y)];
    for (int x = 0; x < newWidth; ++x) {
      double v[4] = {0, 0, 0, 0};
      for (size_t k = 0; k < t.index.size(); ++k) {
        const double* s = &mid[(static_cast<size_t>(t.index[k]) * newWidth + x) * 4];
        for (int c = 0; c < 4; ++c) v[c] += t.weight[k] * s[c];
      }
      const int alpha = std::clamp(static_cast<int>(std::lround(v[3])), 0, 255);
      uint32_t p = static_cast<uint32_t>(alpha) << 24;
      for (int c = 0; c < 3; ++c) {
        p |= static_cast<uint32_t>(std::clamp(static_cast<int>(std::lround(v[c])), 0, alpha)) << (8 * c);
      }
      out[static_cast<size_t>(y) * newWidth + x] = p;
    }
  }
  return out;
}

}  // namespace ZEPHYRA_NAMESPACE
