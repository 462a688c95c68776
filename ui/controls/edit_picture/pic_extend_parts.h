// pic_extend_parts.h -- the parts a YdPicExtendCtrl creates itself: the
// floating container that shows up over the picture on hover
// (YdPicControlFloatCtrl) and the buttons that sit on the picture or on the
// floating part (YdPicButton, YdPicControlButton). Each part tells its
// owner when the pointer enters or leaves it, so that moving from the
// picture onto one of its parts does not count as leaving the picture.
#pragma once

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"
#include "ui/control/control.h"

namespace ZEPHYRA_NAMESPACE {

class YdPicExtendCtrl;

class YdPicControlFloatCtrl : public YdContainer {
 public:
  explicit YdPicControlFloatCtrl(YdPicExtendCtrl* owner) : owner_(owner) {}

  // Acts for the owner: a click on the floating part is the owner's.
  bool Activate(YdEvent& event) override;
  void OnMouseEnter(YdEvent& event) override;
  void OnMouseLeave(YdEvent& event) override;
  void DrawStateImage(HDC dc) override;

  // 0..255, the fade of the floating part's images ("transparent" style).
  int GetAlpha() const { return alpha_; }
  void SetAlpha(int alpha);

 private:
  YdPicExtendCtrl* owner_;
  int alpha_ = 255;
};

class YdPicButton : public YdControl {
 public:
  explicit YdPicButton(YdPicExtendCtrl* owner) : owner_(owner) {}
  void OnMouseEnter(YdEvent& event) override;
  void OnMouseLeave(YdEvent& event) override;

 private:
  YdPicExtendCtrl* owner_;
};

// A button on the floating part.
class YdPicControlButton : public YdPicButton {
 public:
  using YdPicButton::YdPicButton;
};

}  // namespace ZEPHYRA_NAMESPACE
