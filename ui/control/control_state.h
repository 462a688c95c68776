// control_state.h -- interaction state bits of a control and the rule that
// picks, for a state-dependent property (text colour, font, padding, image,
// background colour), the state whose value is used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// State bits; 0x20 is never set.
enum YdStateBit : uint8_t {
  kStateFocused = 0x01,
  kStateSelected = 0x02,
  kStateDisabled = 0x04,
  kStateHot = 0x08,
  kStatePushed = 0x10,
  kStateCaptured = 0x40,
};

enum class YdVisualState { kNormal, kHot, kPushed, kSelected, kFocused, kDisabled };

// Which states a property has, which decides the precedence list.
enum class YdStateFamily {
  kText,          // text colour, font, text padding, special style, font fallback:
                  //   disabled, selected, pushed, hot, then normal
  kBkColour,      // background colour: disabled, selected, pushed, hot, focused;
                  //   then the normal colour (with its own padding)
  kBkImage,       // background image: disabled, pushed, hot, focused, then normal
  kStatusImage,   // status image: disabled, selected, pushed, hot, focused, then normal
};

// The bit of a state (0 for normal).
uint8_t StateBitOf(YdVisualState state);

// The states of the family whose bit is set, in precedence order, always
// ending with kNormal. Image painting walks this list, trying the next state
// when a state's image fails to draw.
std::vector<YdVisualState> StateCandidates(uint8_t bits, YdStateFamily family);

// The first candidate whose value is set (`isSet(state)`), else kNormal.
template <typename IsSet>
YdVisualState SelectState(uint8_t bits, YdStateFamily family, IsSet isSet) {
  for (YdVisualState s : StateCandidates(bits, family)) {
    if (s == YdVisualState::kNormal || isSet(s)) return s;
  }
  return YdVisualState::kNormal;
}

// When a state's value counts as set.
inline bool IsValueSet(const std::u16string& s) { return !s.empty(); }
inline bool IsValueSet(uint32_t colour) { return colour != 0; }
inline bool IsValueSet(const YdRect& padding) { return !padding.IsZero(); }

// A text special style (dx, dy); (100, 100) means "not set".
struct YdSpecialStyle {
  int8_t dx = 100;
  int8_t dy = 100;
  bool IsSet() const { return !(dx == 100 && dy == 100); }
};
inline bool IsValueSet(const YdSpecialStyle& s) { return s.IsSet(); }

// The per-state values of one property; `focused` exists only for the
// families that have it.
template <typename T>
struct YdStateValues {
  T normal{}, hot{}, pushed{}, selected{}, focused{}, disabled{};
  const T& Get(YdVisualState s) const {
    switch (s) {
      case YdVisualState::kHot: return hot;
      case YdVisualState::kPushed: return pushed;
      case YdVisualState::kSelected: return selected;
      case YdVisualState::kFocused: return focused;
      case YdVisualState::kDisabled: return disabled;
      default: return normal;
    }
  }
  T& Get(YdVisualState s) { return const_cast<T&>(static_cast<const YdStateValues&>(*this).Get(s)); }
  // The value the state selection rule picks for `bits`.
  const T& Select(uint8_t bits, YdStateFamily family) const {
    return Get(SelectState(bits, family, [this](YdVisualState s) { return IsValueSet(Get(s)); }));
  }
};

// The bits at the start of painting: disabled follows IsEnabled, focused
// follows IsFocused, the others stay.
uint8_t PaintStateBits(uint8_t bits, bool enabled, bool focused);

// How a pointer event changes the state bits. `inside` says whether the
// event's point lies inside the control's position; handlers that act only
// on enabled controls take `enabled` and change nothing otherwise.
struct YdStateChange {
  uint8_t bits = 0;
  bool invalidate = false;  // the control repaints
  bool activate = false;    // the control calls Activate (a click)
};
// Hot on entering inside the position.
YdStateChange StateOnMouseEnter(uint8_t bits, bool inside, bool enabled);
// Hot off on leaving.
YdStateChange StateOnMouseLeave(uint8_t bits);
// While captured, pushed follows the pointer in and out of the position.
YdStateChange StateOnMouseMove(uint8_t bits, bool inside, bool enabled);
// Captured and pushed on a press inside the position.
YdStateChange StateOnLButtonDown(uint8_t bits, bool inside, bool enabled);
// A captured control releases; the release inside the position of an event
// not forwarded from a child is a click.
YdStateChange StateOnLButtonUp(uint8_t bits, bool inside, bool forwarded, bool enabled);
// A double click releases a captured control without a click.
YdStateChange StateOnLButtonDblClk(uint8_t bits, bool enabled);

}  // namespace ZEPHYRA_NAMESPACE
