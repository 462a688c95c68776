// decoded_image.cpp -- DIB section creation and pixel read-back shared by the
// loaders and the image effects.
#include "ui/render/decoded_image.h"

namespace ZEPHYRA_NAMESPACE {

HBITMAP CreateDib32(int width, int height, bool top_down, uint32_t** bits) {
  if (bits != nullptr) *bits = nullptr;
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = top_down ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  if (bits != nullptr) *bits = static_cast<uint32_t*>(pixels);
  return bitmap;
}

std::vector<uint32_t> ReadBitmapPixels(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels;
  if (bitmap == nullptr || width <= 0 || height <= 0) return pixels;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  pixels.resize(static_cast<size_t>(width) * height);
  ScopedCreateDC dc(::CreateCompatibleDC(nullptr));
  if (!dc || ::GetDIBits(dc.Get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height) {
    pixels.clear();
  }
  return pixels;
}

}  // namespace ZEPHYRA_NAMESPACE
