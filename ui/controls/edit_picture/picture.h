// picture.h -- YdPicture (element "Picture"): a button that paints its
// picture itself, stretched over the whole control and blended with the
// control's alpha (0 transparent .. 255 opaque). The picture is the
// state image of the button, or a bitmap the program hands over
// (SetBitmap, 32 bits per pixel with premultiplied alpha, or any other
// depth drawn opaque before the constant alpha).
#pragma once

#include <windows.h>

#include <cstdint>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/controls/basic/button.h"
#include "ui/controls/edit_picture/edit_picture_logic.h"

namespace ZEPHYRA_NAMESPACE {

class YdPicture : public YdButton {
 public:
  YdPicture() = default;

  int GetKind() const override { return kKindPicture; }
  YdControl* QueryKind(int kind) override;
  void DrawStateImage(HDC dc) override;

  uint8_t GetAlpha() const { return alpha_; }
  void SetAlpha(uint8_t alpha);
  // Takes ownership of `bitmap` (null removes it).
  void SetBitmap(HBITMAP bitmap);
  HBITMAP GetBitmap() const { return bitmap_.Get(); }

 private:
  bool PaintBitmap(HDC dc);

  uint8_t alpha_ = 255;
  ScopedBitmap bitmap_;
};

}  // namespace ZEPHYRA_NAMESPACE
