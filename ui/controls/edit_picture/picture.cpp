// picture.cpp -- YdPicture: stretched, alpha-blended picture painting.
#include "ui/controls/edit_picture/picture.h"

#include <string>

#include "common/format.h"

namespace ZEPHYRA_NAMESPACE {

YdControl* YdPicture::QueryKind(int kind) {
  if (kind == kKindPicture) return this;
  return YdButton::QueryKind(kind);
}

void YdPicture::SetAlpha(uint8_t alpha) {
  if (alpha == alpha_) return;
  alpha_ = alpha;
  Invalidate();
}

void YdPicture::SetBitmap(HBITMAP bitmap) {
  bitmap_.Set(bitmap);
  Invalidate();
}

bool YdPicture::PaintBitmap(HDC dc) {
  BITMAP info{};
  if (!bitmap_.IsValid() || ::GetObjectW(bitmap_.Get(), sizeof(info), &info) == 0) return false;
  ScopedCreateDC memory(::CreateCompatibleDC(dc));
  if (!memory.IsValid()) return false;
  ScopedSelectObject select(memory.Get(), bitmap_.Get());
  const RECT rc = GetPosition();
  BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha_, static_cast<BYTE>(info.bmBitsPixel == 32 ? AC_SRC_ALPHA : 0)};
  return ::GdiAlphaBlend(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, memory.Get(), 0, 0,
                         info.bmWidth, info.bmHeight, blend) != FALSE;
}

void YdPicture::DrawStateImage(HDC dc) {
  if (alpha_ == 0) return;
  if (PaintBitmap(dc)) return;
  if (alpha_ == 255) {
    YdButton::DrawStateImage(dc);
    return;
  }
  // The state image with the control's alpha on top of its own fade.
  const std::wstring fade = L"fade='" + WideDecimal(alpha_) + L"'";
  for (YdVisualState s : StateCandidates(GetStateBits(), YdStateFamily::kStatusImage)) {
    const std::wstring& descriptor = StatusImages().Get(s);
    if (descriptor.empty()) continue;
    if (DrawImage(dc, descriptor, fade)) return;
  }
}

}  // namespace ZEPHYRA_NAMESPACE
