// alpha_surface.cpp -- the alpha surface and its two pixel passes.
#include "ui/render/alpha_surface.h"

#include <cpuid.h>
#include <emmintrin.h>

#include "ui/render/decoded_image.h"

namespace ZEPHYRA_NAMESPACE {

GdiAlphaSurface::GdiAlphaSurface(HDC reference, int width, int height) : width_(width), height_(height) {
  dc_.Set(::CreateCompatibleDC(reference));
  if (!dc_) return;
  uint32_t* bits = nullptr;
  bitmap_.Set(CreateDib32(width, height, false, &bits));
  if (!bitmap_) return;
  old_bitmap_ = ::SelectObject(dc_.Get(), bitmap_.Get());
  bits_ = bits;
}

GdiAlphaSurface::~GdiAlphaSurface() {
  if (old_bitmap_ != nullptr) ::SelectObject(dc_.Get(), old_bitmap_);
}

void GdiAlphaSurface::MarkAlpha() {
  if (bits_ == nullptr) return;
  ::GdiFlush();
  MarkAlphaPass(bits_, pixel_count());
}

void GdiAlphaSurface::FixUpAlpha() {
  if (bits_ == nullptr) return;
  ::GdiFlush();
  FixUpAlphaPass(bits_, pixel_count());
}

void GdiAlphaSurface::BlendOnto(HDC target, int x, int y, uint8_t constant_alpha) const {
  if (bits_ == nullptr) return;
  BLENDFUNCTION blend{AC_SRC_OVER, 0, constant_alpha, AC_SRC_ALPHA};
  ::GdiAlphaBlend(target, x, y, width_, height_, dc_.Get(), 0, 0, width_, height_, blend);
}

void MarkAlphaPlain(uint32_t* pixels, size_t count) {
  for (size_t i = 0; i < count; ++i) pixels[i] |= 0x01000000u;
}

void FixUpAlphaPlain(uint32_t* pixels, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    pixels[i] = pixels[i] < 0x01000000u ? (pixels[i] | 0xFF000000u) : 0u;
  }
}

// Four pixels per step; the remainder goes pixel by pixel.
__attribute__((target("sse2"))) void MarkAlphaSse2(uint32_t* pixels, size_t count) {
  const __m128i one = _mm_set1_epi32(0x01000000);
  size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    __m128i* p = reinterpret_cast<__m128i*>(pixels + i);
    _mm_storeu_si128(p, _mm_or_si128(_mm_loadu_si128(p), one));
  }
  MarkAlphaPlain(pixels + i, count - i);
}

__attribute__((target("sse2"))) void FixUpAlphaSse2(uint32_t* pixels, size_t count) {
  const __m128i alpha_mask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i zero = _mm_setzero_si128();
  size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    __m128i* p = reinterpret_cast<__m128i*>(pixels + i);
    const __m128i v = _mm_loadu_si128(p);
    // All ones where the alpha byte is 0, i.e. the value is below 0x01000000.
    const __m128i written = _mm_cmpeq_epi32(_mm_and_si128(v, alpha_mask), zero);
    _mm_storeu_si128(p, _mm_and_si128(written, _mm_or_si128(v, alpha_mask)));
  }
  FixUpAlphaPlain(pixels + i, count - i);
}

bool ProcessorHasSse2() {
  static const bool has = [] {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
    return (d & bit_SSE2) != 0;
  }();
  return has;
}

void MarkAlphaPass(uint32_t* pixels, size_t count) {
  if (ProcessorHasSse2()) MarkAlphaSse2(pixels, count);
  else MarkAlphaPlain(pixels, count);
}

void FixUpAlphaPass(uint32_t* pixels, size_t count) {
  if (ProcessorHasSse2()) FixUpAlphaSse2(pixels, count);
  else FixUpAlphaPlain(pixels, count);
}

}  // namespace ZEPHYRA_NAMESPACE
