// control_state.cpp -- precedence of the interaction states.
#include "ui/control/control_state.h"

namespace ZEPHYRA_NAMESPACE {

uint8_t StateBitOf(YdVisualState state) {
  switch (state) {
    case YdVisualState::kHot: return kStateHot;
    case YdVisualState::kPushed: return kStatePushed;
    case YdVisualState::kSelected: return kStateSelected;
    case YdVisualState::kFocused: return kStateFocused;
    case YdVisualState::kDisabled: return kStateDisabled;
    default: return 0;
  }
}

std::vector<YdVisualState> StateCandidates(uint8_t bits, YdStateFamily family) {
  using S = YdVisualState;
  static const S kText[] = {S::kDisabled, S::kSelected, S::kPushed, S::kHot};
  static const S kBkColour[] = {S::kDisabled, S::kSelected, S::kPushed, S::kHot, S::kFocused};
  static const S kBkImage[] = {S::kDisabled, S::kPushed, S::kHot, S::kFocused};
  static const S kStatusImage[] = {S::kDisabled, S::kSelected, S::kPushed, S::kHot, S::kFocused};
  const S* order = kStatusImage;
  size_t count = 5;
  switch (family) {
    case YdStateFamily::kText: order = kText; count = 4; break;
    case YdStateFamily::kBkColour: order = kBkColour; count = 5; break;
    case YdStateFamily::kBkImage: order = kBkImage; count = 4; break;
    case YdStateFamily::kStatusImage: break;
  }
  std::vector<S> out;
  for (size_t i = 0; i < count; ++i) {
    if (bits & StateBitOf(order[i])) out.push_back(order[i]);
  }
  out.push_back(S::kNormal);
  return out;
}

uint8_t PaintStateBits(uint8_t bits, bool enabled, bool focused) {
  bits = static_cast<uint8_t>(enabled ? bits & ~kStateDisabled : bits | kStateDisabled);
  return static_cast<uint8_t>(focused ? bits | kStateFocused : bits & ~kStateFocused);
}

namespace {

constexpr uint8_t kHeld = kStateCaptured | kStatePushed;

YdStateChange Changed(uint8_t before, uint8_t after) {
  return {after, after != before, false};
}

}  // namespace

YdStateChange StateOnMouseEnter(uint8_t bits, bool inside, bool enabled) {
  if (!enabled || !inside) return {bits};
  return Changed(bits, static_cast<uint8_t>(bits | kStateHot));
}

YdStateChange StateOnMouseLeave(uint8_t bits) {
  return Changed(bits, static_cast<uint8_t>(bits & ~kStateHot));
}

YdStateChange StateOnMouseMove(uint8_t bits, bool inside, bool enabled) {
  if (!enabled || !(bits & kStateCaptured)) return {bits};
  return Changed(bits, static_cast<uint8_t>(inside ? bits | kStatePushed : bits & ~kStatePushed));
}

YdStateChange StateOnLButtonDown(uint8_t bits, bool inside, bool enabled) {
  if (!enabled || !inside) return {bits};
  return {static_cast<uint8_t>(bits | kHeld), true, false};
}

YdStateChange StateOnLButtonUp(uint8_t bits, bool inside, bool forwarded, bool enabled) {
  if (!enabled || !(bits & kStateCaptured)) return {bits};
  return {static_cast<uint8_t>(bits & ~kHeld), true, inside && !forwarded};
}

YdStateChange StateOnLButtonDblClk(uint8_t bits, bool enabled) {
  if (!enabled || !(bits & kStateCaptured)) return {bits};
  return {static_cast<uint8_t>(bits & ~kHeld), true, false};
}

}  // namespace ZEPHYRA_NAMESPACE
