// bitmap_parts.cpp -- nine-part drawing, fills and frames.
#include "ui/render/bitmap_parts.h"

#include "common/scoped_gdi.h"
#include "ui/render/alpha_surface.h"
#include "ui/render/decoded_image.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

bool Meets(const RECT& a, const RECT& b) {
  RECT unused;
  return ::IntersectRect(&unused, &a, &b) != FALSE;
}

}  // namespace

std::vector<BitmapPart> ComputeBitmapParts(const RECT& s, const RECT& d, const RECT& c, bool hole) {
  const int sw = s.right - s.left;
  const int sh = s.bottom - s.top;
  std::vector<BitmapPart> parts;
  if (!hole) {
    parts.push_back({{d.left + c.left, d.top + c.top, d.right - c.right, d.bottom - c.bottom},
                     s.left + c.left, s.top + c.top, sw - c.left - c.right, sh - c.top - c.bottom});
  }
  if (c.left > 0 && c.top > 0) {
    parts.push_back({{d.left, d.top, d.left + c.left, d.top + c.top}, s.left, s.top, c.left, c.top});
  }
  if (c.top > 0) {
    parts.push_back({{d.left + c.left, d.top, d.right - c.right, d.top + c.top},
                     s.left + c.left, s.top, sw - c.left - c.right, c.top});
  }
  if (c.right > 0 && c.top > 0) {
    parts.push_back({{d.right - c.right, d.top, d.right, d.top + c.top}, s.right - c.right, s.top, c.right, c.top});
  }
  if (c.left > 0) {
    parts.push_back({{d.left, d.top + c.top, d.left + c.left, d.bottom - c.bottom},
                     s.left, s.top + c.top, c.left, sh - c.top - c.bottom});
  }
  if (c.right > 0) {
    parts.push_back({{d.right - c.right, d.top + c.top, d.right, d.bottom - c.bottom},
                     s.right - c.right, s.top + c.top, c.right, sh - c.top - c.bottom});
  }
  if (c.left > 0 && c.bottom > 0) {
    parts.push_back({{d.left, d.bottom - c.bottom, d.left + c.left, d.bottom},
                     s.left, s.bottom - c.bottom, c.left, c.bottom});
  }
  if (c.bottom > 0) {
    parts.push_back({{d.left + c.left, d.bottom - c.bottom, d.right - c.right, d.bottom},
                     s.left + c.left, s.bottom - c.bottom, sw - c.left - c.right, c.bottom});
  }
  if (c.right > 0 && c.bottom > 0) {
    parts.push_back({{d.right - c.right, d.bottom - c.bottom, d.right, d.bottom},
                     s.right - c.right, s.bottom - c.bottom, c.right, c.bottom});
  }
  return parts;
}

void PaintBitmapParts(HBITMAP bitmap, const RECT& paint, const RECT& source, HDC dc, const RECT& dest,
                      const RECT& corner, bool alpha, uint8_t fade, bool hole) {
  if (bitmap == nullptr || dc == nullptr) return;
  ScopedCreateDC memory(::CreateCompatibleDC(dc));
  if (!memory) return;
  ScopedSelectObject select(memory.Get(), bitmap);
  ::SetStretchBltMode(dc, COLORONCOLOR);

  const bool blend = alpha || fade != 255;
  if (!blend && dest.right - dest.left == source.right - source.left &&
      dest.bottom - dest.top == source.bottom - source.top && corner.left == 0 && corner.top == 0 &&
      corner.right == 0 && corner.bottom == 0) {
    RECT visible;
    if (::IntersectRect(&visible, &dest, &paint)) {
      ::BitBlt(dc, visible.left, visible.top, visible.right - visible.left, visible.bottom - visible.top,
               memory.Get(), source.left + visible.left - dest.left, source.top + visible.top - dest.top,
               SRCCOPY);
    }
    return;
  }
  const BLENDFUNCTION function{AC_SRC_OVER, 0, fade, AC_SRC_ALPHA};
  for (const BitmapPart& part : ComputeBitmapParts(source, dest, corner, hole)) {
    const int w = part.dest.right - part.dest.left;
    const int h = part.dest.bottom - part.dest.top;
    if (w <= 0 || h <= 0 || part.srcWidth <= 0 || part.srcHeight <= 0) continue;
    if (!Meets(part.dest, paint)) continue;
    if (blend) {
      ::GdiAlphaBlend(dc, part.dest.left, part.dest.top, w, h, memory.Get(), part.srcX, part.srcY,
                      part.srcWidth, part.srcHeight, function);
    } else {
      ::StretchBlt(dc, part.dest.left, part.dest.top, w, h, memory.Get(), part.srcX, part.srcY,
                   part.srcWidth, part.srcHeight, SRCCOPY);
    }
  }
}

void FillArgbRect(HDC dc, const RECT& rect, uint32_t colour, bool force) {
  const uint8_t alpha = static_cast<uint8_t>(colour >> 24);
  if (alpha == 0 || dc == nullptr) return;
  if (alpha == 255 && !force) {
    ::SetBkColor(dc, ArgbToColorRef(colour));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    return;
  }
  uint32_t* bits = nullptr;
  ScopedBitmap pixel(CreateDib32(1, 1, true, &bits));
  if (!pixel) return;
  *bits = 0xFF000000u | (colour & 0x00FFFFFFu);
  const RECT source{0, 0, 1, 1};
  const RECT none{0, 0, 0, 0};
  PaintBitmapParts(pixel.Get(), rect, source, dc, rect, none, false, alpha, false);
}

namespace {

// Draws a frame through GDI, directly or via an alpha surface.
template <typename Draw>
void FrameWithAlpha(HDC dc, const RECT& rect, int pen_width, uint32_t colour, bool direct, Draw draw) {
  const uint8_t alpha = static_cast<uint8_t>(colour >> 24);
  if (alpha == 0 || dc == nullptr) return;
  ScopedPen pen(::CreatePen(PS_INSIDEFRAME, pen_width, ArgbToColorRef(colour)));
  if (!pen) return;
  if (direct) {
    ScopedSelectObject select_pen(dc, pen.Get());
    ScopedSelectObject select_brush(dc, ::GetStockObject(NULL_BRUSH));
    draw(dc, rect);
    return;
  }
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  GdiAlphaSurface surface(dc, w, h);
  if (!surface.IsValid()) return;
  surface.MarkAlpha();
  {
    ScopedSelectObject select_pen(surface.dc(), pen.Get());
    ScopedSelectObject select_brush(surface.dc(), ::GetStockObject(NULL_BRUSH));
    draw(surface.dc(), RECT{0, 0, w, h});
  }
  surface.FixUpAlpha();
  surface.BlendOnto(dc, rect.left, rect.top, alpha);
}

}  // namespace

void FrameArgbRect(HDC dc, const RECT& rect, int pen_width, uint32_t colour, bool force) {
  const bool direct = (colour >> 24) == 255 && !force;
  FrameWithAlpha(dc, rect, pen_width, colour, direct, [](HDC target, const RECT& r) {
    ::Rectangle(target, r.left, r.top, r.right, r.bottom);
  });
}

void FrameArgbRoundRect(HDC dc, const RECT& rect, int pen_width, int ellipse_width, int ellipse_height,
                        uint32_t colour) {
  const bool direct = (colour >> 24) == 255;
  FrameWithAlpha(dc, rect, pen_width, colour, direct, [&](HDC target, const RECT& r) {
    ::RoundRect(target, r.left, r.top, r.right, r.bottom, ellipse_width, ellipse_height);
  });
}

}  // namespace ZEPHYRA_NAMESPACE
