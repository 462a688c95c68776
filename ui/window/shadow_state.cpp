// shadow_state.cpp -- status and placement decisions of the shadow window.
#include "ui/window/shadow_state.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {

uint8_t ShadowStatusForParent(uint8_t status, bool parentVisible, bool maximized, bool minimized) {
  status &= static_cast<uint8_t>(~(kShadowVisible | kShadowParentVisible));
  if ((status & kShadowEnabled) && parentVisible) {
    status |= kShadowParentVisible;
    if (!maximized && !minimized) status |= kShadowVisible;
  }
  return status;
}

YdShadowSizeAction ShadowOnParentSize(uint8_t status, uintptr_t sizeType, bool parentVisible,
                                      int width, int height, uint32_t lastSize) {
  YdShadowSizeAction a;
  a.status = status;
  a.lastSize = lastSize;
  if (!(status & kShadowEnabled)) return a;
  constexpr uintptr_t kMinimized = 1, kMaximized = 2;
  if (sizeType == kMaximized || sizeType == kMinimized) {
    a.hide = true;
    a.status &= static_cast<uint8_t>(~kShadowVisible);
  } else if (parentVisible) {
    a.status |= kShadowParentVisible;
    if (!(status & kShadowVisible)) {
      a.status |= kShadowVisible;
      a.rebuild = true;
      a.show = true;
      a.markPending = true;
    } else {
      const int lastWidth = static_cast<int>(lastSize & 0xFFFF);
      const int lastHeight = static_cast<int>(lastSize >> 16);
      if (width > lastWidth || height > lastHeight) {
        a.markPending = true;
      } else {
        a.rebuild = true;
      }
    }
  }
  a.lastSize = PackSize(width, height);
  return a;
}

YdRect ShadowWindowRect(const YdRect& parent, const YdShadowParams& params) {
  const int s = std::max(params.size, 0);
  const int left = parent.left + params.xOffset - s;
  const int top = parent.top + params.yOffset - s;
  return {left, top, left + parent.Width() + 2 * s, top + parent.Height() + 2 * s};
}

}  // namespace ZEPHYRA_NAMESPACE
