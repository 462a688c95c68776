// rich_edit.h -- YdRichEdit (element "RichEdit"), the framework's text-entry
// control. It draws no native child window: the windowless rich-edit text
// services of the system do the editing, and YdTxtWinHost routes their
// caret, timers, capture, scroll bars and invalidation through this control
// and its paint manager. The control takes window messages before the
// manager (as a message filter) while it has the focus or the mouse, keeps
// a placeholder text for when it is empty and unfocused, and raises the
// edit notifications 15, 16, 19, 20, 21 and 22. It is a container for its
// scroll bars, which the text services drive through the host.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/scoped_com.h"
#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/rich_edit/rich_edit_logic.h"
#include "ui/controls/rich_edit/text_host.h"
#include "ui/manager/ui_messages.h"

namespace ZEPHYRA_NAMESPACE {

class YdScrollbar;

class YdRichEdit : public YdContainer, public IWindowMessageFilter {
 public:
  YdRichEdit();
  // Leaves the manager's filter list and releases the host and services.
  ~YdRichEdit() override;

  int GetKind() const override { return kKindRichEdit; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The rich edit's own keys; its base is the container's table.
  static const YdAttributeTable& AttributeTable();
  // Creates the host and the text services (replaces the base entirely).
  // An edit that is not shown (itself or a container hidden) waits: its
  // host comes when it is shown, before it is painted or can take input,
  // so a window whose first page has no edit does not load the services.
  void Initialize() override;
  void SetVisible(bool visible) override;
  void OnAncestorVisibilityChanged() override;
  std::wstring GetText() const override;
  void SetText(const std::wstring& text) override;
  void SetNormalTextColor(uint32_t colour) override;
  void SetPosition(const RECT& rc) override;
  void Paint(HDC dc, const RECT& dirty) override;
  void DrawControlText(HDC dc) override;
  void DrawStateImage(HDC dc) override;
  void OnSetFocus(YdEvent& event) override;
  void OnKillFocus(YdEvent& event) override;
  void OnMouseEnter(YdEvent& event) override;
  void OnMouseLeave(YdEvent& event) override;
  void OnTimer(YdEvent& event) override;
  void OnSetCursor(YdEvent& event) override;
  // A disabled rich edit is still found under the mouse.
  YdControl* FindMatching(YdFindProc proc, void* data, unsigned flags) override;
  void SetManager(YdPaintManager* manager) override;
  bool WantsTab() const override { return want_tab_; }

  // Appended operations.
  // Without a host returns E_FAIL (failure). Return and Ctrl+Return may be
  // swallowed with a notification; other keys raise 19 / 20.
  virtual HRESULT SendTextMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual bool ShouldRepaintOnViewChange() { return true; }
  virtual void OnTextNotify(DWORD code, void* data);

  // IWindowMessageFilter
  LRESULT FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // The container's scrolling, done by the text services.
  void LineUp() override { SendScroll(WM_VSCROLL, SB_LINEUP); }
  void LineDown() override { SendScroll(WM_VSCROLL, SB_LINEDOWN); }
  void PageUp() override { SendScroll(WM_VSCROLL, SB_PAGEUP); }
  void PageDown() override { SendScroll(WM_VSCROLL, SB_PAGEDOWN); }
  void HomeUp() override { SendScroll(WM_VSCROLL, SB_TOP); }
  void EndDown() override { SendScroll(WM_VSCROLL, SB_BOTTOM); }
  void LineLeft() override { SendScroll(WM_HSCROLL, SB_LINEUP); }
  void LineRight() override { SendScroll(WM_HSCROLL, SB_LINEDOWN); }
  void PageLeft() override { SendScroll(WM_HSCROLL, SB_PAGEUP); }
  void PageRight() override { SendScroll(WM_HSCROLL, SB_PAGEDOWN); }
  void HomeLeft() override { SendScroll(WM_HSCROLL, SB_TOP); }
  void EndRight() override { SendScroll(WM_HSCROLL, SB_BOTTOM); }
  // Moves the bars; a changed position goes to the services as a thumb
  // position.
  void SetScrollPosition(SIZE pos) override;

  // ---- Called by the host ----
  void ShowBar(int bar, bool show);
  void EnableBars(int bars, bool show);
  void SetBarRange(int bar, int range);
  void SetBarPos(int bar, int pos);

  // ---- State ----
  YdTxtWinHost* GetHost() const { return host_.Get(); }
  uint32_t GetEditStyle() const { return style_; }
  int GetLimitText() const { return limit_; }
  void SetLimitText(int limit);
  bool IsPlaceholderShown() const { return placeholder_shown_; }
  const std::wstring& GetPlaceholder() const { return placeholder_; }
  uint32_t GetPlaceholderColor() const { return placeholder_colour_; }
  bool IsWantReturn() const { return want_return_; }
  bool IsWantCtrlReturn() const { return want_ctrl_return_; }
  bool IsRich() const { return rich_; }
  bool IsReadOnly() const { return read_only_; }
  bool IsPassword() const { return password_; }
  bool IsChangeEventEnabled() const { return event_change_; }
  const std::wstring& GetPreviousText() const { return previous_text_; }
  bool IsVerticalBarAutoShown() const { return auto_vbar_; }

  // Replaces the system's text services factory for controls initialized
  // from now on (null restores it); lets tests see the failure path.
  static void UseTextServicesFactory(YdCreateTextServicesProc factory);

 private:
  void RefreshTextColour();
  int TextLength() const;
  bool HasSelection() const;
  void ShowPlaceholder();
  void HidePlaceholder();
  void SetServicesText(const std::wstring& text);
  void SendScroll(UINT msg, WORD code);
  CHARFORMAT2W BuildCharFormat() const;
  // Position shrunk by the inset, less the visible bars; the host's client
  // rectangle is that shrunk by the normal text padding.
  RECT ContentRect() const;
  void PlaceBars(const RECT& content);
  RECT ClientRectFor(const RECT& content) const;
  void UpdateAutoVerticalBar(const RECT& content);
  void PaintText(HDC dc, const RECT& dirty);
  bool NaturalHeightFits(const RECT& content, int barWidth);

  uint32_t style_ = kEditMultiline;
  bool want_tab_ = true;
  bool want_return_ = true;
  bool want_ctrl_return_ = true;
  bool rich_ = true;
  bool read_only_ = false;
  bool password_ = false;
  int limit_ = kDefaultTextLimit;
  std::wstring placeholder_;
  uint32_t placeholder_colour_ = kDefaultPlaceholderColour;
  bool placeholder_shown_ = false;
  bool event_change_ = false;
  bool auto_vbar_ = false;
  std::wstring previous_text_;
  bool refresh_colour_ = true;
  // The manager this edit's message filter is registered with (null: none).
  YdPaintManager* filter_manager_ = nullptr;
  bool swallow_return_char_ = false;
  bool refreshing_colour_ = false;
  long max_text_reports_ = 0;  // EN_MAXTEXT seen from the services
  bool host_waits_ = false;       // initialized while not shown: no host yet
  ScopedComPtr<YdTxtWinHost> host_;
};

// Registers "RichEdit" with the skin builder's control factory.
void RegisterRichEditControls();

}  // namespace ZEPHYRA_NAMESPACE
