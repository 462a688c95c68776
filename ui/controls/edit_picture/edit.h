// edit.h -- YdEdit (element "Edit"): a single-line text box drawn like a
// container with its text, which edits through a native EDIT window
// (YdEditWnd) shown over it on click. The native window's text is
// copied back when it loses the focus. Up to 255 characters by default,
// U+25CF as password character, and the hand-off of the cursor and the Tab
// stop as behaviour flags.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/edit_picture/edit_picture_logic.h"

namespace ZEPHYRA_NAMESPACE {

class YdEditWnd;

class YdEdit : public YdContainer {
 public:
  YdEdit();
  ~YdEdit() override;

  int GetKind() const override { return kKindEdit; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The edit's own keys; its base is the container's table.
  static const YdAttributeTable& AttributeTable();

  void SetText(const std::wstring& text) override;
  void SetPosition(const RECT& rc) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void DrawControlText(HDC dc) override;
  void OnLButtonDown(YdEvent& event) override;
  void OnSetCursor(YdEvent& event) override;

  bool IsReadOnly() const { return read_only_; }
  void SetReadOnly(bool on);
  bool IsPassword() const { return password_; }
  void SetPassword(bool on) { password_ = on; Invalidate(); }
  int GetMaxChar() const { return max_char_; }
  void SetMaxChar(int count);
  wchar_t GetPasswordChar() const { return password_char_; }
  void SetPasswordChar(wchar_t ch) { password_char_ = ch; Invalidate(); }
  uint32_t GetNativeBkColor() const { return native_bk_colour_; }
  void SetNativeBkColor(uint32_t argb) { native_bk_colour_ = argb; }

  // Shows the native edit window over the control (no-op while one is open,
  // when disabled or detached). Null when it could not be created.
  HWND OpenEditWindow();
  // The open native edit window or null.
  HWND GetEditWindow() const;
  // Called by the edit window when it goes away: the text it held.
  void OnEditWindowClosed(const std::wstring& text);

 private:
  bool read_only_ = false;
  bool password_ = false;
  int max_char_ = 255;
  wchar_t password_char_ = 0x25CF;
  uint32_t native_bk_colour_ = 0xFFFFFFFFu;
  YdEditWnd* edit_wnd_ = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE
