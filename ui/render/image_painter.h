// image_painter.h -- draws the image an image descriptor names into an item
// rectangle: lookup through the image cache, placement, effects.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/values/dpi_scale.h"

namespace ZEPHYRA_NAMESPACE {

// True when the image exists (drawn, or entirely clipped away); false when
// it can be neither found nor loaded. Without a DC it only loads the image.
// The descriptor's "dest" and "round" are 96-DPI numbers applied at `scale`
// (the item is in pixels already).
bool PaintImageDescriptor(HDC dc, const RECT& paint, const RECT& item, const std::wstring& descriptor,
                          const std::wstring& modifier = std::wstring(), YdDpiScale scale = YdDpiScale());

}  // namespace ZEPHYRA_NAMESPACE
