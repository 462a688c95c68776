// image_painter.cpp -- the descriptor painter.
#include "ui/render/image_painter.h"

#include <algorithm>

#include "ui/render/bitmap_parts.h"
#include "ui/render/image_descriptor.h"
#include "ui/render/image_effects.h"
#include "ui/render/resource_cache.h"
#include "ui/render/round_clip.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

YdDecodedImage* FindImage(const std::wstring& name, const std::wstring& type, uint32_t mask, bool encrypt) {
  if (!type.empty()) return GetResourceImage(ParseDescriptorNumber(name), type, mask);
  return GetFileImage(name, mask, encrypt);
}

YdScaledImage FindImageAt(const std::wstring& name, const std::wstring& type, uint32_t mask, bool encrypt,
                          YdDpiScale scale) {
  YdResourceCache& cache = GetResourceCache();
  if (!type.empty()) return cache.GetResourceImageAt(ParseDescriptorNumber(name), type, mask, scale);
  return cache.GetFileImageAt(name, mask, encrypt, scale);
}

RECT ToRect(const YdRect& r) { return {r.left, r.top, r.right, r.bottom}; }
YdRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

YdDecodedImage* LoadIconImage(const ImageDescriptor& d) {
  HINSTANCE module = GetResourceModule();
  ScopedIcon icon;
  if (!d.resType.empty()) {
    const int id = ParseDescriptorNumber(d.name);
    if (id < 0 || id > 0xFFFF) return nullptr;  // no resource has such an id
    icon.Set(static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, d.iconSize, d.iconSize, 0)));
  } else {
    icon.Set(static_cast<HICON>(
        ::LoadImageW(module, d.name.c_str(), IMAGE_ICON, d.iconSize, d.iconSize, LR_LOADFROMFILE)));
  }
  if (!icon) return nullptr;
  YdDecodedImagePtr image = IconToImage(icon.Get(), d.iconSize, nullptr);
  if (!image) return nullptr;
  YdDecodedImage* borrowed = image.get();
  if (!d.resType.empty()) {
    AddResourceImage(ParseDescriptorNumber(d.name), std::move(image));
  } else {
    AddFileImage(d.name, std::move(image));
  }
  return borrowed;
}

}  // namespace

bool PaintImageDescriptor(HDC dc, const RECT& paint, const RECT& item, const std::wstring& descriptor,
                          const std::wstring& modifier, YdDpiScale scale) {
  ImageDescriptor d = ParseImageDescriptor(descriptor, modifier);
  if (!scale.IsOne()) {
    const YdRect dest = scale.Scale(YdRect{d.dest.left, d.dest.top, d.dest.right, d.dest.bottom});
    d.dest = RECT{dest.left, dest.top, dest.right, dest.bottom};
    d.roundX = scale.Scale(d.roundX);
    d.roundY = scale.Scale(d.roundY);
  }
  RECT dest = ComputeImageDestination(d, item);

  const YdScaledImage scaled = FindImageAt(d.name, d.resType, d.mask, d.encrypt, scale);
  YdDecodedImage* image = scaled.image;
  if (scaled.percent != 100) {
    // Source and corner are 1× image units: read them on the image drawn.
    d.source = ToRect(ScaleByPercent(FromRect(d.source), scaled.percent));
    d.corner = ToRect(ScaleByPercent(FromRect(d.corner), scaled.percent));
  }
  if (image == nullptr && d.icon) image = LoadIconImage(d);
  if (image == nullptr) return false;
  if (dc == nullptr) return true;

  YdDecodedImagePtr gray;
  if (d.gray) {
    gray = MakeGrayCopy(*image);
    if (!gray) return false;
    image = gray.get();
  }
  RECT source = d.source;
  if (source.left == 0 && source.top == 0 && source.right == 0 && source.bottom == 0) {
    source = RECT{0, 0, image->width, image->height};
  }
  // alphaClose applies to this draw only; the cached record is unchanged.
  bool alpha = image->alpha;
  uint8_t fade = d.fade;
  if (d.alphaClose) {
    alpha = false;
    fade = 255;
  }
  RECT unused;
  if (!::IntersectRect(&unused, &dest, &item) || !::IntersectRect(&unused, &dest, &paint)) return true;

  RoundClip clip;
  const bool clipped = d.roundX != 0 || d.roundY != 0;
  if (clipped) {
    RECT visible;
    ::IntersectRect(&visible, &dest, &paint);
    BeginRoundClip(dc, &clip, visible, d.roundX, d.roundY);
  }

  if (!d.regionImage.empty()) {
    YdDecodedImage* region = FindImage(d.regionImage, d.regionResType, 0, false);
    if (region != nullptr) {
      ScopedBitmap masked = MaskWithRegionImage(*region, *image, dest, d.regionColour);
      if (masked) PaintBitmapParts(masked.Get(), paint, source, dc, dest, d.corner, true, fade, d.hole);
    }
  } else if (d.reverse) {
    int rows = 0;
    ScopedBitmap reflection = MakeReflection(dest, *image, &rows);
    if (reflection) {
      // The source is clamped to the reflection so the blend never reads
      // beyond it.
      RECT clamped = source;
      clamped.left = std::max<LONG>(0, std::min<LONG>(clamped.left, image->width));
      clamped.right = std::max<LONG>(clamped.left, std::min<LONG>(clamped.right, image->width));
      clamped.top = std::max<LONG>(0, std::min<LONG>(clamped.top, rows));
      clamped.bottom = std::max<LONG>(clamped.top, std::min<LONG>(clamped.bottom, rows));
      PaintBitmapParts(reflection.Get(), paint, clamped, dc, dest, d.corner, alpha, fade, d.hole);
    }
  } else if (d.rotate == 0.0) {
    PaintBitmapParts(image->bitmap.Get(), paint, source, dc, dest, d.corner, alpha, fade, d.hole);
  } else {
    RECT grown = dest;
    ScopedBitmap rotated = MakeRotatedBitmap(&grown, *image, d.rotate);
    if (rotated) {
      const RECT whole{0, 0, grown.right - grown.left, grown.bottom - grown.top};
      PaintBitmapParts(rotated.Get(), paint, whole, dc, grown, d.corner, alpha, fade, d.hole);
    }
  }
  if (clipped) EndRoundClip(&clip);
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
