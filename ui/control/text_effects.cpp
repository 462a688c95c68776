// text_effects.cpp -- rolling text copies and special-style colours.
#include "ui/control/text_effects.h"

namespace ZEPHYRA_NAMESPACE {

int ReduceRollOffset(int offset, int textWidth) {
  const int period = textWidth + kRollingTextGap;
  if (period <= 0) return offset;
  const int r = offset % period;
  return r < 0 ? r + period : r;
}

std::vector<int> RollingTextCopies(int left, int right, int offset, int textWidth) {
  std::vector<int> copies;
  if (textWidth < 0) return copies;
  const int step = textWidth + kRollingTextGap;
  for (int x = left - ReduceRollOffset(offset, textWidth); x < right; x += step) {
    if (x + textWidth > left) copies.push_back(x);
  }
  return copies;
}

uint32_t SpecialStyleColour(uint32_t c) {
  return ~(c & 0xFFFFFFu) + (c & 0x80000000u);
}

uint32_t FittingRollSpecialStyleColour(uint32_t c) {
  return (c & 0x80000000u) | (~c & 0xFFFFFFu);
}

}  // namespace ZEPHYRA_NAMESPACE
