// basic_control_logic.h -- the decisions of the label, button, option and
// progress controls as pure functions: the anti-aliased label's pixel pass,
// the button's split part and extend text rectangles and which split image
// it tries, the option's next selection on a click, the progress bar's
// filled width and the circle progress's arc angles. The Win32 classes
// (label.h, button.h, option.h, progress.h, circle_progress.h) apply them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// ---- Anti-aliased label text ----
// The alpha byte every pixel of the text bitmap starts with; GDI text
// drawing clears the alpha byte of the pixels it touches.
constexpr uint32_t kUntouchedTextPixel = 0x01000000u;
// 0xAARRGGBB to a GDI colour 0x00BBGGRR.
uint32_t GdiColourOf(uint32_t argb);
// Turns a bitmap of 0xAARRGGBB pixels (as GDI left them) into premultiplied
// per-pixel alpha: untouched pixels become 0, touched ones opaque; a touched
// pixel whose 0x00BBGGRR value v differs from the text colour's t is rescaled
// by f = v / t: blue, green and red become the text colour's times f and
// alpha 255 x f (truncated). f is capped at 1 and a black text colour
// (t = 0) leaves pixels opaque, so no channel can wrap.
void FinishAntialiasTextPixels(uint32_t* pixels, size_t count, uint32_t gdiTextColour);

// ---- Button ----
// Split state bits, kept apart from the control's state bits.
enum YdSplitStateBit : uint8_t {
  kSplitDisabled = 0x04,
  kSplitHot = 0x08,
  kSplitPushed = 0x10,
  kSplitCaptured = 0x40,
};
// The split part: split-area-left pixels right of the left edge to the right
// edge, over the full height.
YdRect SplitPartRect(const YdRect& pos, const YdRect& splitArea);
// The extend text rectangle. Left and top are the position's plus the text
// padding's plus "extendtextpos"'s; a positive third / fourth number is the
// width / height of the text, 0 runs to the position's right / bottom less
// the text padding.
YdRect ExtendTextRect(const YdRect& pos, const YdRect& textPadding, const YdRect& extendPos);
enum class YdSplitImage { kNormal, kHot, kPushed, kDisabled };
// Split images to try in order: an enabled part its pushed image when split
// pushed, else its hot image when split hot; a disabled part its disabled
// image; always ending with the normal image.
std::vector<YdSplitImage> SplitImageOrder(uint8_t splitBits, bool enabled);

// ---- Option ----
// The selection after a click that was not refused: unchanged with manual
// selection; selected for a grouped option without the control-key
// override; toggled otherwise.
bool SelectionAfterClick(bool selected, bool grouped, bool ctrlOverride, bool manual);

// ---- Progress ----
// "step" clamped to [1, maximum] (1 when the maximum is below 1).
int ClampProgressStep(int step, int maximum);

struct YdProgressFill {
  bool draw = false;    // false: nothing is drawn for this value
  bool hasSource = false;
  int sourceWidth = 0;  // source mode: the image is cut to 0,0,sourceWidth,height
  int sourceHeight = 0;
  YdRect dest;          // relative to the control's position
};
// The bar for `value` of `maximum` in steps of `step` on a control of
// width x height: inner width IW = width - inset left - inset right,
// filled = min(IW, IW / (maximum / step) x value). Nothing is drawn when the
// filled width is below the image's corner left + right, or when it
// truncates to 0 pixels (a zero right edge would mean "to the right edge"
// in the descriptor grammar and show a full bar).
YdProgressFill ComputeProgressFill(int width, int height, int step, int value, int maximum, const YdRect& inset,
                                   int cornerLeft, int cornerRight, bool sourceMode);

// ---- Circle progress ----
// Value clamped to the percentage range 0..100.
int ClampPercent(int value);
// Start angle (degrees, counter-clockwise from three o'clock) and sweep of
// the ring sector for `value` percent: the arc ends at twelve o'clock and
// the sector grows clockwise from there.
double CircleStartAngle(int value);
double CircleSweepAngle(int value);

}  // namespace ZEPHYRA_NAMESPACE
