// basic_control_logic.cpp -- pure decisions of the label, button, option and
// progress controls.
#include "ui/controls/basic/basic_control_logic.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {

uint32_t GdiColourOf(uint32_t argb) {
  return ((argb & 0xFFu) << 16) | (argb & 0xFF00u) | ((argb >> 16) & 0xFFu);
}

void FinishAntialiasTextPixels(uint32_t* pixels, size_t count, uint32_t gdiTextColour) {
  const uint32_t text = gdiTextColour & 0xFFFFFFu;
  const uint32_t tr = text & 0xFFu, tg = (text >> 8) & 0xFFu, tb = (text >> 16) & 0xFFu;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t p = pixels[i];
    if ((p & 0xFF000000u) == kUntouchedTextPixel) {
      pixels[i] = 0;
      continue;
    }
    // The DIB holds 0xAARRGGBB; its 0x00BBGGRR reading is the GDI value.
    const uint32_t value = GdiColourOf(p) & 0xFFFFFFu;
    if (value == text || text == 0) {
      pixels[i] = (p & 0xFFFFFFu) | 0xFF000000u;
      continue;
    }
    const double f = std::min(1.0, static_cast<double>(value) / static_cast<double>(text));
    const uint32_t r = static_cast<uint32_t>(tr * f), g = static_cast<uint32_t>(tg * f);
    const uint32_t b = static_cast<uint32_t>(tb * f), a = static_cast<uint32_t>(255 * f);
    pixels[i] = (a << 24) | (r << 16) | (g << 8) | b;
  }
}

YdRect SplitPartRect(const YdRect& pos, const YdRect& splitArea) {
  return {pos.left + splitArea.left, pos.top, pos.right, pos.bottom};
}

YdRect ExtendTextRect(const YdRect& pos, const YdRect& textPadding, const YdRect& extendPos) {
  YdRect r;
  r.left = pos.left + textPadding.left + extendPos.left;
  r.top = pos.top + textPadding.top + extendPos.top;
  r.right = extendPos.right > 0 ? r.left + extendPos.right : pos.right - textPadding.right;
  r.bottom = extendPos.bottom > 0 ? r.top + extendPos.bottom : pos.bottom - textPadding.bottom;
  return r;
}

std::vector<YdSplitImage> SplitImageOrder(uint8_t splitBits, bool enabled) {
  std::vector<YdSplitImage> order;
  if (enabled) {
    if ((splitBits & kSplitPushed) != 0) {
      order.push_back(YdSplitImage::kPushed);
    } else if ((splitBits & kSplitHot) != 0) {
      order.push_back(YdSplitImage::kHot);
    }
  } else {
    order.push_back(YdSplitImage::kDisabled);
  }
  order.push_back(YdSplitImage::kNormal);
  return order;
}

bool SelectionAfterClick(bool selected, bool grouped, bool ctrlOverride, bool manual) {
  if (manual) return selected;
  if (grouped && !ctrlOverride) return true;
  return !selected;
}

int ClampProgressStep(int step, int maximum) {
  if (step > maximum) step = maximum;
  return step < 1 ? 1 : step;
}

YdProgressFill ComputeProgressFill(int width, int height, int step, int value, int maximum, const YdRect& inset,
                                   int cornerLeft, int cornerRight, bool sourceMode) {
  YdProgressFill fill;
  // A step above the maximum (or a maximum below 1) would make the step
  // count 0 and the fill a division by zero; one step covers the bar then.
  const int steps = std::max(1, step > 0 ? maximum / step : 1);
  const double perStep = static_cast<double>(width) / steps;
  if (sourceMode) {
    fill.hasSource = true;
    fill.sourceWidth = static_cast<int>(std::min(static_cast<double>(width), perStep * value));
    fill.sourceHeight = height;
  }
  const int inner = width - inset.left - inset.right;
  const double filled = std::min(static_cast<double>(inner), static_cast<double>(inner) / steps * value);
  if (filled < cornerLeft + cornerRight) return fill;
  const int filledPixels = static_cast<int>(filled);
  if (filledPixels <= 0) return fill;
  fill.draw = true;
  fill.dest = {inset.left, inset.top, inset.left + filledPixels, height - inset.bottom};
  return fill;
}

int ClampPercent(int value) { return std::clamp(value, 0, 100); }

double CircleStartAngle(int value) {
  const double v = ClampPercent(value);
  if (v <= 25) return (25.0 - v) / 25.0 * 90.0;
  return (100.0 - v) / 100.0 * 360.0 + 90.0;
}

double CircleSweepAngle(int value) { return 3.6 * ClampPercent(value); }

}  // namespace ZEPHYRA_NAMESPACE
