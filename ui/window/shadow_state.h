// shadow_state.h -- the decisions of the drop-shadow window that follows its
// parent: which status bits hold for the parent's state, what the parent's
// WM_SIZE does to the shadow, and where the shadow window goes.
#pragma once

#include <cstdint>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"
#include "ui/window/shadow_bitmap.h"

namespace ZEPHYRA_NAMESPACE {

enum YdShadowStatus : uint8_t {
  kShadowEnabled = 1,
  kShadowVisible = 2,
  kShadowParentVisible = 4,
};

// An x offset below this is refused by SetShadowOffsets.
constexpr int kMinShadowXOffset = -20;
inline bool AcceptShadowOffsets(int xOffset) { return xOffset >= kMinShadowXOffset; }

// ShowShadow: visible and parent-visible are recomputed; an enabled shadow
// of a visible parent is parent-visible, and visible unless the parent is
// maximised or minimised.
uint8_t ShadowStatusForParent(uint8_t status, bool parentVisible, bool maximized, bool minimized);

// The parent's WM_SIZE. `sizeType` is the message's wParam (1 minimised,
// 2 maximised), `width`/`height` its client size, `lastSize` the packed size
// of the previous WM_SIZE (width in the low word, height in the high word).
struct YdShadowSizeAction {
  bool hide = false;         // ShowWindow(SW_HIDE)
  bool rebuild = false;      // UpdateShadow now
  bool show = false;         // ShowWindow(SW_SHOWNA) after the rebuild
  bool markPending = false;  // rebuild at the parent's next WM_PAINT
  uint8_t status = 0;
  uint32_t lastSize = 0;
};
YdShadowSizeAction ShadowOnParentSize(uint8_t status, uintptr_t sizeType, bool parentVisible,
                                      int width, int height, uint32_t lastSize);

// Packs a client size the way WM_SIZE carries it.
inline uint32_t PackSize(int width, int height) {
  return (static_cast<uint32_t>(height) & 0xFFFF) << 16 | (static_cast<uint32_t>(width) & 0xFFFF);
}

// The shadow window's rectangle for a parent window rectangle: moved by the
// offsets, grown by the size on every side (W = width + 2·size).
YdRect ShadowWindowRect(const YdRect& parent, const YdShadowParams& params);

}  // namespace ZEPHYRA_NAMESPACE
