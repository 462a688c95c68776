// alpha_surface.h -- an off-screen surface on which GDI output (lines, text)
// gets an alpha channel: every pixel is marked with alpha 1 before drawing;
// afterwards pixels GDI wrote (alpha cleared) become opaque and the rest
// transparent, and the surface is blended onto the target.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class GdiAlphaSurface {
 public:
  GdiAlphaSurface(HDC reference, int width, int height);
  GdiAlphaSurface(const GdiAlphaSurface&) = delete;
  GdiAlphaSurface& operator=(const GdiAlphaSurface&) = delete;
  ~GdiAlphaSurface();

  bool IsValid() const { return bits_ != nullptr; }
  HDC dc() const { return dc_.Get(); }
  uint32_t* bits() const { return bits_; }  // bottom-up rows
  int width() const { return width_; }
  int height() const { return height_; }
  size_t pixel_count() const { return static_cast<size_t>(width_) * height_; }

  void MarkAlpha();  // OR 0x01000000 into every pixel
  void FixUpAlpha();  // GDI-written pixels opaque, the others 0
  // AlphaBlend the whole surface at (x, y) with a constant alpha.
  void BlendOnto(HDC target, int x, int y, uint8_t constant_alpha) const;

 private:
  int width_ = 0;
  int height_ = 0;
  uint32_t* bits_ = nullptr;
  ScopedCreateDC dc_;
  ScopedBitmap bitmap_;
  HGDIOBJ old_bitmap_ = nullptr;
};

// The passes over a pixel buffer; the dispatching ones choose SSE2 when the
// processor has it (detected once per process).
void MarkAlphaPlain(uint32_t* pixels, size_t count);
void FixUpAlphaPlain(uint32_t* pixels, size_t count);
void MarkAlphaSse2(uint32_t* pixels, size_t count);
void FixUpAlphaSse2(uint32_t* pixels, size_t count);
void MarkAlphaPass(uint32_t* pixels, size_t count);
void FixUpAlphaPass(uint32_t* pixels, size_t count);
bool ProcessorHasSse2();

}  // namespace ZEPHYRA_NAMESPACE
