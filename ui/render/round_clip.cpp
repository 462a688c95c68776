// round_clip.cpp -- rounded clips and corner regions.
#include "ui/render/round_clip.h"

#include <algorithm>
#include <vector>

#include "ui/render/image_descriptor.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {

void BeginRoundClip(HDC dc, RoundClip* clip, const RECT& rect, int rx, int ry) {
  clip->dc = dc;
  clip->rect = rect;
  RECT box{};
  ::GetClipBox(dc, &box);
  clip->previous.Set(::CreateRectRgnIndirect(&box));
  if (rx != 0) {
    clip->round.Set(::CreateRoundRectRgn(rect.left, rect.top, rect.right + 1, rect.bottom + 1, rx, rx));
    if (ry == 0 && clip->round) {
      ScopedRegion lower(::CreateRectRgn(rect.left, rect.top + rx, rect.right, rect.bottom));
      ::CombineRgn(clip->round.Get(), clip->round.Get(), lower.Get(), RGN_OR);
    }
  }
  if (clip->round) ::ExtSelectClipRgn(dc, clip->round.Get(), RGN_AND);
}

void EndRoundClip(RoundClip* clip) {
  if (clip->dc != nullptr && clip->previous) ::SelectClipRgn(clip->dc, clip->previous.Get());
  clip->previous.Close();
  clip->round.Close();
  clip->dc = nullptr;
}

HRGN MakeCornerRegion(const std::wstring& descriptor, int client_height, int client_width, YdDpiScale scale) {
  const RECT corner = ReadDescriptorValue(descriptor, DescriptorKey::kCorner).rect;
  if (corner.left == 0 && corner.top == 0 && corner.right == 0 && corner.bottom == 0) return nullptr;
  const uint32_t mask = ReadDescriptorValue(descriptor, DescriptorKey::kMask).colour;
  const DescriptorValue type = ReadDescriptorValue(descriptor, DescriptorKey::kResType);
  YdDecodedImage* image = nullptr;
  if (type.found && !type.text.empty()) {
    image = GetResourceImage(ReadDescriptorValue(descriptor, DescriptorKey::kRes).number, type.text, mask);
  } else {
    const DescriptorValue file = ReadDescriptorValue(descriptor, DescriptorKey::kFile);
    const bool encrypt = ReadDescriptorValue(descriptor, DescriptorKey::kEncrypt).flag;
    image = GetFileImage(file.found ? file.text : descriptor, mask, encrypt);
  }
  if (image == nullptr) return nullptr;
  const std::vector<uint32_t> pixels = ReadBitmapPixels(image->bitmap.Get(), image->width, image->height);
  if (pixels.empty()) return nullptr;

  HRGN region = ::CreateRectRgn(0, 0, client_width, client_height);
  if (region == nullptr) return nullptr;
  const int w = image->width, h = image->height;
  // Each corner area: image x range, y range, and whether it maps to the
  // client's right / bottom edge.
  struct Area {
    int x0, x1, y0, y1;
    bool right, bottom;
  };
  const Area areas[4] = {
      {0, corner.left, 0, corner.top, false, false},
      {w - corner.right, w, 0, corner.top, true, false},
      {0, corner.left, h - corner.bottom, h, false, true},
      {w - corner.right, w, h - corner.bottom, h, true, true},
  };
  for (const Area& area : areas) {
    for (int y = std::max(area.y0, 0); y < std::min(area.y1, h); ++y) {
      for (int x = std::max(area.x0, 0); x < std::min(area.x1, w); ++x) {
        if (pixels[static_cast<size_t>(y) * w + x] != 0) continue;
        const int cx0 = area.right ? client_width - scale.Scale(w - x) : scale.Scale(x);
        const int cx1 = area.right ? client_width - scale.Scale(w - x - 1) : scale.Scale(x + 1);
        const int cy0 = area.bottom ? client_height - scale.Scale(h - y) : scale.Scale(y);
        const int cy1 = area.bottom ? client_height - scale.Scale(h - y - 1) : scale.Scale(y + 1);
        ScopedRegion dot(::CreateRectRgn(cx0, cy0, cx1, cy1));
        ::CombineRgn(region, region, dot.Get(), RGN_XOR);
      }
    }
  }
  return region;
}

}  // namespace ZEPHYRA_NAMESPACE
