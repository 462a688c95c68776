// hot_key_edit.h -- YdHotKeyEdit (element "HotKeyEdit"): a rich edit that
// captures a key combination instead of free text. A key pressed with the
// modifiers held (by the keys seen going down, or GetAsyncKeyState) becomes
// the hot key and its text, e.g. "Ctrl+Shift+A"; Backspace or Delete alone
// clears it. Characters are never inserted. Each new combination raises
// kNotifyTextChanged with the key in wParam's low word and the modifier
// bits in its high word.
#pragma once

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/edit_picture/edit_picture_logic.h"
#include "ui/controls/rich_edit/rich_edit.h"

namespace ZEPHYRA_NAMESPACE {

class YdHotKeyEdit : public YdRichEdit {
 public:
  YdHotKeyEdit() = default;

  int GetKind() const override { return kKindHotKeyEdit; }
  YdControl* QueryKind(int kind) override;
  HRESULT SendTextMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnKillFocus(YdEvent& event) override;

  unsigned GetHotKey() const { return vk_; }
  unsigned GetHotKeyModifiers() const { return modifiers_; }
  void SetHotKey(unsigned vk, unsigned modifiers);

 private:
  unsigned HeldModifiers() const;

  unsigned vk_ = 0;
  unsigned modifiers_ = 0;
  unsigned seen_down_ = 0;  // modifier bits whose key went down in this field
};

}  // namespace ZEPHYRA_NAMESPACE
