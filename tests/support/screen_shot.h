// screen_shot.h -- a window's client area as the screen shows it, for
// program tests: pixel lookups, saving as a BMP people can look at, reading
// such a BMP back, and the edge energy of a picture (the variance of its
// Laplacian), which measures how crisp it is.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class ScreenShot {
 public:
  ScreenShot() = default;
  ScreenShot(int width, int height) : size_{width, height}, bits_(static_cast<size_t>(width) * height) {}
  // The client area of `window`, `size` pixels from its top-left corner.
  ScreenShot(HWND window, SIZE size) : size_(size), bits_(static_cast<size_t>(size.cx) * size.cy) {
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap != nullptr && pixels != nullptr) {
      HGDIOBJ old = ::SelectObject(memory, bitmap);
      ::BitBlt(memory, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY);
      ::GdiFlush();
      const auto* p = static_cast<const uint32_t*>(pixels);
      for (size_t i = 0; i < bits_.size(); ++i) bits_[i] = p[i] & 0xFFFFFF;
      ::SelectObject(memory, old);
      ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
  }

  int Width() const { return size_.cx; }
  int Height() const { return size_.cy; }
  // 0x00RRGGBB; 0xFFFFFFFF outside the picture.
  uint32_t At(POINT p) const {
    if (p.x < 0 || p.y < 0 || p.x >= size_.cx || p.y >= size_.cy) return 0xFFFFFFFFu;
    return bits_[static_cast<size_t>(p.y) * size_.cx + p.x];
  }
  void Set(int x, int y, uint32_t c) { bits_[static_cast<size_t>(y) * size_.cx + x] = c & 0xFFFFFF; }

  // A 24-bit bottom-up BMP, for people to look at.
  bool Save(const std::string& path) const {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const uint32_t row = static_cast<uint32_t>((size_.cx * 3 + 3) & ~3);
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = fh.bfOffBits + row * size_.cy;
    ih.biSize = sizeof(ih);
    ih.biWidth = size_.cx;
    ih.biHeight = size_.cy;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    bool ok = std::fwrite(&fh, sizeof(fh), 1, f) == 1 && std::fwrite(&ih, sizeof(ih), 1, f) == 1;
    std::vector<unsigned char> line(row, 0);
    for (int y = size_.cy - 1; ok && y >= 0; --y) {
      for (int x = 0; x < size_.cx; ++x) {
        const uint32_t c = bits_[static_cast<size_t>(y) * size_.cx + x];
        line[x * 3] = c & 0xFF;
        line[x * 3 + 1] = (c >> 8) & 0xFF;
        line[x * 3 + 2] = (c >> 16) & 0xFF;
      }
      ok = std::fwrite(line.data(), row, 1, f) == 1;
    }
    return std::fclose(f) == 0 && ok;
  }

  // Reads a BMP written by Save; false when the file is not one.
  bool Load(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    bool ok = std::fread(&fh, sizeof(fh), 1, f) == 1 && std::fread(&ih, sizeof(ih), 1, f) == 1 &&
              fh.bfType == 0x4D42 && ih.biBitCount == 24 && ih.biWidth > 0 && ih.biHeight > 0;
    if (ok) {
      *this = ScreenShot(ih.biWidth, ih.biHeight);
      const uint32_t row = static_cast<uint32_t>((size_.cx * 3 + 3) & ~3);
      std::vector<unsigned char> line(row, 0);
      std::fseek(f, static_cast<long>(fh.bfOffBits), SEEK_SET);
      for (int y = size_.cy - 1; ok && y >= 0; --y) {
        ok = std::fread(line.data(), row, 1, f) == 1;
        for (int x = 0; ok && x < size_.cx; ++x) {
          Set(x, y, line[x * 3] | (line[x * 3 + 1] << 8) | (static_cast<uint32_t>(line[x * 3 + 2]) << 16));
        }
      }
    }
    std::fclose(f);
    return ok;
  }

 private:
  SIZE size_{0, 0};
  std::vector<uint32_t> bits_;
};

// The picture enlarged `factor` times with bilinear filtering (pixel
// centres aligned, edges clamped).
inline ScreenShot EnlargeBilinear(const ScreenShot& in, int factor) {
  ScreenShot out(in.Width() * factor, in.Height() * factor);
  for (int y = 0; y < out.Height(); ++y) {
    const double sy = (y + 0.5) / factor - 0.5;
    int y0 = static_cast<int>(sy < 0 ? -1 : sy);
    const double fy = sy - y0;
    for (int x = 0; x < out.Width(); ++x) {
      const double sx = (x + 0.5) / factor - 0.5;
      int x0 = static_cast<int>(sx < 0 ? -1 : sx);
      const double fx = sx - x0;
      auto at = [&](int xx, int yy) {
        xx = xx < 0 ? 0 : (xx >= in.Width() ? in.Width() - 1 : xx);
        yy = yy < 0 ? 0 : (yy >= in.Height() ? in.Height() - 1 : yy);
        return in.At({xx, yy});
      };
      uint32_t c = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        auto ch = [&](int xx, int yy) { return static_cast<double>((at(xx, yy) >> shift) & 0xFF); };
        const double v = (ch(x0, y0) * (1 - fx) + ch(x0 + 1, y0) * fx) * (1 - fy) +
                         (ch(x0, y0 + 1) * (1 - fx) + ch(x0 + 1, y0 + 1) * fx) * fy;
        c |= static_cast<uint32_t>(v + 0.5) << shift;
      }
      out.Set(x, y, c);
    }
  }
  return out;
}

// Variance of the 4-neighbour Laplacian of the picture's luma over its
// inner pixels: larger for sharper edges.
inline double EdgeEnergy(const ScreenShot& shot) {
  auto luma = [&](int x, int y) {
    const uint32_t c = shot.At({x, y});
    return 0.299 * ((c >> 16) & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * (c & 0xFF);
  };
  double sum = 0, squares = 0;
  long long n = 0;
  for (int y = 1; y + 1 < shot.Height(); ++y) {
    for (int x = 1; x + 1 < shot.Width(); ++x) {
      const double l = luma(x - 1, y) + luma(x + 1, y) + luma(x, y - 1) + luma(x, y + 1) - 4 * luma(x, y);
      sum += l;
      squares += l * l;
      ++n;
    }
  }
  if (n == 0) return 0;
  const double mean = sum / n;
  return squares / n - mean * mean;
}

}  // namespace ZEPHYRA_NAMESPACE
