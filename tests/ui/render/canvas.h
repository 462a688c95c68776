// canvas.h -- off-screen 32-bit top-down DIB sections for pixel tests, and
// helpers that make test images from literal pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/scoped_gdi.h"
#include "ui/render/decoded_image.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

class Canvas {
 public:
  Canvas(int width, int height, uint32_t fill = 0) : width_(width), height_(height) {
    dc_.Set(::CreateCompatibleDC(nullptr));
    bitmap_.Set(CreateDib32(width, height, true, &bits_));
    old_ = ::SelectObject(dc_.Get(), bitmap_.Get());
    Fill(fill);
  }
  ~Canvas() { ::SelectObject(dc_.Get(), old_); }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_.Get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  void Fill(uint32_t value) {
    ::GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = value;
  }
  uint32_t At(int x, int y) const {
    ::GdiFlush();
    return bits_[y * width_ + x];
  }
  uint32_t* bits() const {
    ::GdiFlush();
    return bits_;
  }
  RECT Bounds() const { return RECT{0, 0, width_, height_}; }
  // Number of pixels in `r` that differ from `value`.
  int CountNot(const RECT& r, uint32_t value) const {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) count += At(x, y) != value;
    }
    return count;
  }

 private:
  int width_, height_;
  uint32_t* bits_ = nullptr;
  ScopedCreateDC dc_;
  ScopedBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
};

// An image record holding `pixels` (0xAARRGGBB, top-down) as they are.
inline YdDecodedImagePtr MakeImage(int width, int height, const std::vector<uint32_t>& pixels, bool alpha) {
  auto image = std::make_unique<YdDecodedImage>();
  uint32_t* bits = nullptr;
  image->bitmap.Set(CreateDib32(width, height, true, &bits));
  for (size_t i = 0; i < pixels.size(); ++i) bits[i] = pixels[i];
  ::GdiFlush();
  image->width = width;
  image->height = height;
  image->alpha = alpha;
  return image;
}

inline YdDecodedImagePtr MakeSolidImage(int width, int height, uint32_t value, bool alpha) {
  return MakeImage(width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, value), alpha);
}

// A folder of its own under the temporary folder, removed with the object.
std::wstring MakeTempFolder(const wchar_t* tag);
void RemoveFolder(const std::wstring& folder);
bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);
// Bytes of an .ico file with one size x size 32-bit image of `colour`
// (0xAARRGGBB) whose AND mask makes the left half transparent.
std::vector<uint8_t> EncodeIcon(int size, uint32_t colour);
// PNG bytes of RGBA pixels (row-major, 4 bytes each).
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgba);

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
