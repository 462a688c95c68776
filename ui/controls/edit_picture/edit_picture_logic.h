// edit_picture_logic.h -- portable decisions of the edit family and the picture
// controls: spin stepping, hot-key text, ranges and the spin arrow parts.
#pragma once

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// The number after one step up or down by `increment`, kept within
// [minimum, maximum] (swapped when given the wrong way round).
int StepSpinNumber(int value, int increment, int minimum, int maximum, bool up);
// `value` kept within [minimum, maximum].
int ClampSpinNumber(int value, int minimum, int maximum);

// Modifier bits of a captured key combination.
enum YdHotKeyModifier : unsigned { kHotKeyCtrl = 1, kHotKeyShift = 2, kHotKeyAlt = 4 };
// Whether the virtual key is a modifier on its own (Ctrl, Shift, Alt, Win).
bool IsModifierKey(unsigned vk);
// "Ctrl+Shift+A": modifiers in that order, then the key's name; a lone
// modifier gives the modifiers followed by "+" (a combination in progress).
std::wstring FormatHotKey(unsigned vk, unsigned modifiers);

// "lo,hi" (one number: 0..n). False for text that is no range.
bool ParseRange(const std::wstring& text, int* lo, int* hi);

// Edge rectangles of the spin arrows inside a control of `width` x `height`:
// the right-most `arrowWidth` pixels, upper half up, lower half down.
struct YdSpinParts {
  int left, top, right, middle, bottom;
};
YdSpinParts SpinArrowParts(int left, int top, int right, int bottom, int arrowWidth);

// Password masking: the text shown for `text` (one mask character each).
std::wstring MaskedText(const std::wstring& text, wchar_t mask);

}  // namespace ZEPHYRA_NAMESPACE
