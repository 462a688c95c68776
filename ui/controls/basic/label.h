// label.h -- YdLabel (element "Label"): a text field (a container, though
// the setup's skin gives a label no children). Besides the base text
// drawing it can draw its text anti-aliased onto a per-pixel-alpha bitmap
// that is blended onto the target ("text_antialias"). The button and the
// option derive from it.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/basic/basic_control_logic.h"
#include "ui/control/control_attributes.h"
#include "ui/controls/containers/container.h"

namespace ZEPHYRA_NAMESPACE {

class YdLabel : public YdContainer {
 public:
  YdLabel() = default;

  int GetKind() const override { return kKindLabel; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void DrawControlText(HDC dc) override;

  bool IsAntialiasText() const { return antialias_text_; }
  void SetAntialiasText(bool on);

  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The label's own keys; its base is the container's table.
  static const YdAttributeTable& AttributeTable();

 private:
  void DrawAntialiasText(HDC dc);

  bool antialias_text_ = false;
};

}  // namespace ZEPHYRA_NAMESPACE
