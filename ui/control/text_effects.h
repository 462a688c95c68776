// text_effects.h -- arithmetic of a control's text drawing that needs no
// device context: the copies of rolling text, the offset reduced to one
// repeat, and the colours of the special-style shadow copy.
#pragma once

#include <cstdint>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Gap between two copies of rolling text.
constexpr int kRollingTextGap = 10;

// The rolling offset reduced modulo the repeat distance (text width + 10):
// the picture is the same, and the drawing loop stays short however long
// the mouse stays in the text area. Negative offsets are reduced into range.
int ReduceRollOffset(int offset, int textWidth);

// Left edges of the copies of rolling text drawn into [left, right): x =
// left - offset, then every text width + 10, while x < right, skipping
// copies that end at or before left. The offset is reduced first.
std::vector<int> RollingTextCopies(int left, int right, int offset, int textWidth);

// Colour of the special-style copy drawn under plain or rolling text: the
// complement of the RGB plus the colour's top alpha bit, modulo 2^32 (alpha
// 0x7F for text colours with alpha >= 0x80, 0xFF for the others).
uint32_t SpecialStyleColour(uint32_t textColour);

// The same for rolling text that fits its rectangle: the colour's top alpha
// bit OR the complemented RGB.
uint32_t FittingRollSpecialStyleColour(uint32_t textColour);

}  // namespace ZEPHYRA_NAMESPACE
