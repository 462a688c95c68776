// pic_extend_ctrl.h -- YdPicExtendCtrl (element "PicExtendCtrl"): a picture
// with a floating part (YdPicControlFloatCtrl) over its lower third that
// shows up while the pointer is over the picture, in one of three styles:
// "normal" (appears), "move" (slides up from the lower edge) and
// "transparent" (fades in). Each style has its own switch for a timer, an
// interval (delay before it appears, and the step time of the slide or
// fade) and a leave time (delay before it goes away after the pointer
// left). The floating part paints "floatControlnormalimage" and, while
// hot, "floatControlhotimage".
#pragma once

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/edit_picture/edit_picture_logic.h"
#include "ui/controls/edit_picture/pic_extend_parts.h"

namespace ZEPHYRA_NAMESPACE {

enum class YdPicStyle { kNormal = 0, kMove = 1, kTransparent = 2 };

// One style's timing.
struct YdPicStyleTiming {
  bool useTimer = false;
  int intervalMs = 0;
  int leaveMs = 0;
};

class YdPicExtendCtrl : public YdContainer {
 public:
  YdPicExtendCtrl();

  int GetKind() const override { return kKindPicExtendCtrl; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The picture control's own keys; its base is the container's table.
  static const YdAttributeTable& AttributeTable();
  void SetPosition(const RECT& rc) override;
  void OnMouseEnter(YdEvent& event) override;
  void OnMouseLeave(YdEvent& event) override;
  void OnTimer(YdEvent& event) override;

  YdPicStyle GetPicStyle() const { return style_; }
  const YdPicStyleTiming& Timing(YdPicStyle style) const { return timing_[static_cast<int>(style)]; }
  YdPicControlFloatCtrl* GetFloatControl() const { return float_ctrl_; }
  // Where the floating part rests when fully shown (window coordinates).
  RECT FloatRestRect() const;
  // Adds a YdPicButton on the picture or a YdPicControlButton on the
  // floating part; returns it (owned by the tree).
  YdPicButton* AddPictureButton(bool onFloatPart);

  // ---- Called by the parts ----
  void OnPartEnter();
  void OnPartLeave();

  // Local timer ids.
  static constexpr int kShowTimer = 1;
  static constexpr int kLeaveTimer = 2;
  static constexpr int kStepTimer = 3;
  // Steps of a slide or fade.
  static constexpr int kSteps = 4;

 private:
  bool PointerInside() const;
  void BeginShow();
  void ShowNow();
  void BeginHide();
  void HideNow();
  void ApplyStep();

  YdPicStyle style_ = YdPicStyle::kNormal;
  YdPicStyleTiming timing_[3];
  YdPicControlFloatCtrl* float_ctrl_ = nullptr;
  bool pointer_in_ = false;
  int step_ = kSteps;  // kSteps: fully shown
};

}  // namespace ZEPHYRA_NAMESPACE
