// combo_parts.h -- the pieces a drop-down is made of: YdComboElement (an
// entry of the drop box, selects like an option), YdComboSpace (a spacer
// between entries: the drop box makes one for each strip that "spacewidth"
// / "spaceheight" leave between entries, styled by the combo's "space"
// attribute list; never chosen nor made hot) and YdComboBuddy (a layout
// tied by "comboId" to a combo: clicking it opens that combo's drop box).
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/containers/linear_layouts.h"
#include "ui/controls/basic/option.h"

namespace ZEPHYRA_NAMESPACE {

class YdCombo;

class YdComboElement : public YdOption {
 public:
  int GetKind() const override { return kKindComboElement; }
  YdControl* QueryKind(int kind) override;
};

class YdComboSpace : public YdControl {
 public:
  int GetKind() const override { return kKindComboSpace; }
  YdControl* QueryKind(int kind) override;
};

class YdComboBuddy : public YdVerticalLayout {
 public:
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The buddy's own key; its base is the vertical layout's table.
  static const YdAttributeTable& AttributeTable();
  // Opens the tied combo's drop box.
  bool Activate(YdEvent& event) override;
  // A click anywhere on the buddy (its children included) is the buddy's.
  YdControl* FindMatching(YdFindProc proc, void* data, unsigned flags) override;
  int GetComboId() const { return combo_id_; }
  // The combo with id "comboId" in this control's window, or null.
  YdCombo* FindCombo() const;

 private:
  int combo_id_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
