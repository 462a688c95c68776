// option.h -- YdOption (element "Option"): a button with a selected state,
// used as a check box or, in a group, as a radio button. Selecting a grouped
// option clears the other members of its group (in the paint manager's
// group table); every change of the selection raises notification 14 with
// wParam 1 (selected) or 0 (cleared).
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/basic/button.h"

namespace ZEPHYRA_NAMESPACE {

class YdOption : public YdButton {
 public:
  YdOption() = default;
  // Leaves the group's list.
  ~YdOption() override;

  int GetKind() const override { return kKindOption; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  // Moves the group membership to the new manager's table.
  void SetManager(YdPaintManager* manager) override;
  bool Activate(YdEvent& event) override;
  void OnLButtonDblClk(YdEvent& event) override;
  void SetEnabled(bool enabled) override;
  void DrawBackgroundImage(HDC dc) override;
  void DrawStateImage(HDC dc) override;

  virtual void SetSelected(bool selected);
  virtual void SetDisabledSelectedImage(const std::wstring& descriptor);

  bool IsSelected() const { return selected_; }
  int GetGroup() const { return group_; }
  // Leaves the old group's list and joins the new one's (when attached and
  // not 0), then re-applies the selection so the group rule holds.
  void SetGroup(int group);
  void SetDoubleClickAsClick(bool on) { dbclick_ = on; }
  void SetCtrlOverride(bool on) { ctrl_down_ = on; }
  void SetManualSelection(bool on) { manual_selected_ = on; }
  void SetHotSelectedImage(const std::wstring& descriptor) { hot_selected_image_ = descriptor; }
  const std::wstring& GetHotSelectedImage() const { return hot_selected_image_; }
  const std::wstring& GetDisabledSelectedImage() const { return disabled_selected_image_; }

  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  static const YdAttributeTable& AttributeTable();

 private:
  // "ctrldown" is set and the Ctrl key is down.
  bool CtrlOverride() const;

  bool selected_ = false;
  int group_ = 0;
  bool dbclick_ = false;
  bool ctrl_down_ = false;
  bool manual_selected_ = false;
  std::wstring disabled_selected_image_;
  std::wstring hot_selected_image_;
};

}  // namespace ZEPHYRA_NAMESPACE
