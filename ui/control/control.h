// control.h -- the windowless control base. A control knows its position,
// its look in each interaction state (colours, images, fonts, paddings),
// its text, which notifications it may raise and which events it passes on
// to its parent, and paints itself into the device context the paint
// manager hands it. Plain "Control" elements of a skin are instances of
// this class; every other control derives from it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/yd_namespace.h"
#include "ui/control/control_attributes.h"
#include "ui/control/control_kinds.h"
#include "ui/control/control_state.h"
#include "ui/render/geometry.h"
#include "ui/values/dpi_scale.h"
#include "ui/manager/ui_messages.h"

namespace ZEPHYRA_NAMESPACE {

class YdPaintManager;
class YdControl;
class IYdWindowControlReceiver;

// Predicate of a tree search: returns the control to stop at, or null.
using YdFindProc = YdControl* (*)(YdControl* control, void* data);

class YdControl {
 public:
  YdControl();
  YdControl(const YdControl&) = delete;
  YdControl& operator=(const YdControl&) = delete;
  // Detaches from the manager (timers, animations, hover/focus references).
  virtual ~YdControl();

  int GetLeft() const { return pos_.left; }
  int GetTop() const { return pos_.top; }
  int GetWidth() const { return pos_.right - pos_.left; }
  int GetHeight() const { return pos_.bottom - pos_.top; }

  // Behaviour flags: 1 setcursor, 2 enterrolltext, 3 tabstop.
  virtual bool TestFlag(int bit) const;
  virtual void SetFlag(int bit, bool on);
  virtual bool IsNotifyEnabled(int type) const;
  virtual void SetNotifyEnabled(int type, bool on);
  virtual bool IsForwardEnabled(int type) const;
  virtual void SetForwardEnabled(int type, bool on);
  virtual int GetKind() const { return kKindControl; }
  virtual YdControl* QueryKind(int kind);
  // The receiver side of a window control (a control that also implements
  // IYdWindowControlReceiver, ui/window/window_part.h); null for any other.
  virtual IYdWindowControlReceiver* WindowControlReceiver() { return nullptr; }
  // flags: 1 visible only, 2 enabled only, 4 hit test (data is a POINT*),
  // 8 children last to first, sign bit the container before its children.
  virtual YdControl* FindMatching(YdFindProc proc, void* data, unsigned flags);
  virtual void HandleEvent(YdEvent& event);

  virtual void OnMouseEnter(YdEvent& event);
  virtual void OnMouseHover(YdEvent& event);
  virtual void OnMouseLeave(YdEvent& event);
  virtual void OnMouseMove(YdEvent& event);
  virtual void OnMouseWheel(YdEvent& event);
  virtual void OnSetFocus(YdEvent& event);
  virtual void OnKillFocus(YdEvent& event);
  virtual void OnSetCursor(YdEvent& event);
  virtual void OnTimer(YdEvent& event);
  virtual void OnContextMenu(YdEvent& event);
  virtual void OnRButtonDown(YdEvent& event);
  virtual void OnLButtonDown(YdEvent& event);
  virtual void OnLButtonUp(YdEvent& event);
  virtual void OnLButtonDblClk(YdEvent& event);
  virtual void OnReserved(YdEvent&) {}
  virtual void OnKeyDown(YdEvent& event);
  virtual void OnKeyUp(YdEvent& event);
  virtual void OnChar(YdEvent& event);
  virtual void OnSysKeyDown(YdEvent& event);
  virtual void OnSysKeyUp(YdEvent& event);
  // The click action: raises "click" (2). False unless visible and enabled.
  virtual bool Activate(YdEvent& event);

  // Draws `descriptor` into the position (clipped to the paint rectangle);
  // false when the image does not exist.
  virtual bool DrawImage(HDC dc, const std::wstring& descriptor, const std::wstring& modifier = {});
  virtual RECT GetPadding() const;
  virtual void SetPaddingRect(const RECT& rc);
  virtual void SetPadding(const RECT& rc) { SetPaddingRect(rc); }
  virtual SIZE MeasureSize(SIZE available);
  virtual void Paint(HDC dc, const RECT& dirty);
  virtual void FillStateBackground(HDC dc);
  virtual void DrawBackgroundImage(HDC dc);
  virtual void DrawStateImage(HDC dc);
  virtual void DrawFocusFrame(HDC dc);
  virtual void DrawControlText(HDC dc);
  virtual void DrawControlBorder(HDC dc);
  virtual RECT GetPosition() const;
  virtual void SetPosition(const RECT& rc);
  virtual RECT GetCut() const;
  virtual void SetCut(const RECT& rc);
  virtual bool IsVisible() const { return visible_; }
  virtual void SetVisible(bool visible);
  virtual void SetParent(YdControl* parent) { parent_ = parent; }
  virtual YdControl* GetParent() const { return parent_; }
  virtual int GetFixedWidth() const { return fixed_width_; }
  virtual void SetFixedWidth(int cx);
  virtual int GetFixedHeight() const { return fixed_height_; }
  virtual void SetFixedHeight(int cy);
  virtual POINT GetFixedXY() const { return {fixed_x_, fixed_y_}; }
  virtual void SetFixedXY(POINT pt);
  virtual int GetMinWidth() const { return min_width_; }
  virtual void SetMinWidth(int cx);
  virtual int GetMaxWidth() const { return max_width_; }
  virtual void SetMaxWidth(int cx);
  virtual int GetMinHeight() const { return min_height_; }
  virtual void SetMinHeight(int cy);
  virtual int GetMaxHeight() const { return max_height_; }
  virtual void SetMaxHeight(int cy);
  virtual void SetShowFocusFrame(bool show) { show_focus_frame_ = show; }
  virtual void Invalidate();
  virtual bool IsEnabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  virtual YdPaintManager* GetManager() const { return manager_; }
  // Containers pass the manager on to their children. A manager the
  // control leaves drops its timers, animations and input state of it.
  virtual void SetManager(YdPaintManager* manager);
  // Applies the state font fallback lists of fonts the manager lacks.
  virtual void Initialize();
  virtual bool IsFloat() const { return float_; }
  virtual void SetFloat(bool on) { float_ = on; }
  virtual bool IsAbsFloat() const { return abs_float_; }
  virtual void SetAbsFloat(bool on) { abs_float_ = on; }
  virtual bool IsRelFloat() const { return rel_float_; }
  virtual void SetRelFloat(bool on) { rel_float_ = on; }
  virtual std::wstring GetToolTip() const;
  virtual void SetToolTip(const std::wstring& text);
  virtual bool IsInheritToolTip() const { return inherit_tooltip_; }
  virtual void SetInheritToolTip(bool on) { inherit_tooltip_ = on; }
  virtual int GetToolTipMaxWidth() const { return tooltip_max_width_; }
  virtual void SetToolTipMaxWidth(int width) { tooltip_max_width_ = width; }
  virtual void SetAutoTip(bool on) { auto_tip_ = on; }
  virtual bool IsAutoTip() const { return auto_tip_; }
  virtual std::wstring GetText() const { return text_; }
  virtual void SetText(const std::wstring& text);
  virtual std::wstring GetName() const { return name_; }
  virtual void SetName(const std::wstring& name) { name_ = name; }
  virtual int GetId() const { return id_; }
  virtual void SetId(int id) { id_ = id; }
  virtual void ApplyAttribute(const std::wstring& key, const std::wstring& value);
  virtual bool IsFocused() const { return focused_; }
  virtual void SetFocus();
  virtual std::wstring GetUserData() const { return user_data_; }
  virtual void SetUserData(const std::wstring& data) { user_data_ = data; }
  virtual int GetTag() const { return tag_; }
  virtual void SetTag(int tag) { tag_ = tag; }
  virtual wchar_t GetShortcut() const { return shortcut_; }
  virtual void SetShortcut(wchar_t ch) { shortcut_ = ch; }
  virtual void SetNormalSpecialStyle(YdSpecialStyle s) { special_.normal = s; }
  virtual void SetHotSpecialStyle(YdSpecialStyle s) { special_.hot = s; }
  virtual void SetPushedSpecialStyle(YdSpecialStyle s) { special_.pushed = s; }
  virtual void SetSelectedSpecialStyle(YdSpecialStyle s) { special_.selected = s; }
  virtual void SetDisabledSpecialStyle(YdSpecialStyle s) { special_.disabled = s; }
  virtual void SetAutoTextColorMask(uint8_t mask) { auto_text_mask_ = mask; }
  virtual uint8_t GetAutoTextColorMask() const { return auto_text_mask_; }
  virtual void SetAutoTextColor(uint32_t colour);
  virtual uint32_t GetAutoTextColor() const { return auto_text_colour_; }
  virtual void SetNormalTextColor(uint32_t c) { text_colour_.normal = c; }
  virtual uint32_t GetNormalTextColor() const { return text_colour_.normal; }
  virtual void SetHotTextColor(uint32_t c) { text_colour_.hot = c; }
  virtual uint32_t GetHotTextColor() const { return text_colour_.hot; }
  virtual void SetPushedTextColor(uint32_t c) { text_colour_.pushed = c; }
  virtual uint32_t GetPushedTextColor() const { return text_colour_.pushed; }
  virtual void SetSelectedTextColor(uint32_t c) { text_colour_.selected = c; }
  virtual uint32_t GetSelectedTextColor() const { return text_colour_.selected; }
  virtual void SetDisabledTextColor(uint32_t c) { text_colour_.disabled = c; }
  virtual uint32_t GetDisabledTextColor() const { return text_colour_.disabled; }
  virtual void SetNativeWindow(HWND hwnd) { native_window_ = hwnd; }
  // End of an animation of `kind`: 0x2001 raises 26, 0x2002 27, 0x2003 34,
  // 0x2008 33; other kinds nothing.
  virtual void RaiseCommandNotify(int kind);
  // Notification 35 (an animation step).
  virtual void RaiseCustomNotify();
  virtual RECT GetBkColorPadding() const { return ToRECT(bk_colour_padding_); }
  virtual void SetBkColorPadding(const RECT& rc) { bk_colour_padding_ = FromRECT(rc); }
  virtual RECT GetNormalBkColorPadding() const { return ToRECT(normal_bk_colour_padding_); }
  virtual void SetNormalBkColorPadding(const RECT& rc) { normal_bk_colour_padding_ = FromRECT(rc); }
  virtual void SetAutoExpand(bool on) { auto_expand_ = on; }
  virtual bool IsAutoExpand() const { return auto_expand_; }
  virtual void SetTextShadow(bool on) { text_shadow_ = on; }
  virtual bool IsTextShadow() const { return text_shadow_; }
  virtual void SetTextAutoTipPadding(int padding) { text_auto_tip_padding_ = padding; }
  virtual int GetTextAutoTipPadding() const { return text_auto_tip_padding_; }
  // Questions the paint manager asks of some subclasses: whether a focused
  // rich edit takes the Tab key, and an ActiveX host's in-place active
  // object (an IOleInPlaceActiveObject*) for accelerator translation.
  virtual bool WantsTab() const { return false; }
  virtual void* GetInPlaceActiveObject() const { return nullptr; }
  // A container above this control was shown or hidden. Controls that keep
  // a native window on their rectangle show or hide it by IsShownInTree.
  virtual void OnAncestorVisibilityChanged() {}
  // The attribute vocabulary of the object's class: the class's own table,
  // chained to its base classes' tables (ApplyAttribute's search order).
  // A class with keys of its own answers its AttributeTable().
  virtual const YdAttributeTable& Attributes() const { return ControlAttributeTable(); }
  // The display scale changed from `from` to `to`: every length the control
  // holds in pixels (applied from the skin or defaults) is expressed at the
  // new scale. Only the control's own values; a tree walk visits children.
  virtual void RescaleGeometry(YdDpiScale from, YdDpiScale to);

  // ---- Non-virtual helpers ----
  // key="value" pairs separated by one blank, each through ApplyAttribute.
  void ApplyAttributeString(const std::wstring& list);
  HWND GetNativeWindow() const { return native_window_; }
  // Visible, and so is every container above it.
  bool IsShownInTree() const;
  uint8_t GetStateBits() const { return state_; }
  void SetStateBits(uint8_t bits) { state_ = bits; }
  bool NeedsLayout() const { return needs_layout_; }
  void SetNeedsLayout(bool on) { needs_layout_ = on; }
  // Marks the control for a new placement and asks its manager for a pass.
  void NeedUpdate();
  // Marks the parent (or, without one, the control itself) for layout.
  void NeedParentUpdate();
  bool IsCaption() const { return caption_; }
  bool IsCapture() const { return capture_; }
  bool IsCustomToolTip() const { return custom_tooltip_; }
  bool HasBeenHover() const { return has_been_hover_; }
  int GetToolTipDelayTime() const { return tooltip_delay_; }
  bool IsSpaceReturn() const { return space_return_; }
  bool IsHtmlText() const { return html_text_; }
  RECT GetPaintRect() const { return ToRECT(paint_rect_); }
  const YdTextStyle& GetTextStyle() const { return text_style_; }
  void SetTextStyle(const YdTextStyle& style) { text_style_ = style; }
  uint32_t GetChildAlign() const { return child_align_; }
  int GetRowHeight() const { return row_height_; }
  int GetBorderSize() const { return border_size_; }
  uint32_t GetBorderColor() const { return border_colour_; }
  uint32_t GetFocusedBorderColor() const { return focused_border_colour_; }
  SIZE GetRoundCorner() const { return {round_w_, round_h_}; }
  bool IsReduce() const { return reduce_; }
  const YdNotifyMask& NotifyMask() const { return notify_mask_; }
  const YdForwardMask& ForwardMask() const { return forward_mask_; }

  // The display scale of the control's manager (1 without one); skin
  // lengths are applied multiplied by it.
  YdDpiScale DpiScale() const;

  // Per-state values (state selection reads these).
  YdStateValues<uint32_t>& TextColours() { return text_colour_; }
  YdStateValues<uint32_t>& BkColours() { return bk_colour_; }
  YdStateValues<std::wstring>& BkImages() { return bk_image_; }
  YdStateValues<std::wstring>& StatusImages() { return status_image_; }
  YdStateValues<std::wstring>& Fonts() { return font_; }
  YdStateValues<std::wstring>& FontFallbacks() { return font_fallback_; }
  YdStateValues<YdRect>& TextPaddings() { return text_padding_; }
  YdStateValues<YdSpecialStyle>& SpecialStyles() { return special_; }
  const std::wstring& GetNormalImage() const { return status_image_.normal; }
  void SetNormalImage(const std::wstring& descriptor);
  const std::wstring& GetBkNormalImage() const { return bk_image_.normal; }

  // The effect overlay: a descriptor fragment of key='value' pairs that
  // animations write ("rotate", "source", "fade", "gray", "rolltext").
  const std::wstring& GetEffectOverlay() const { return overlay_; }
  void SetEffectOverlay(const std::wstring& overlay) { overlay_ = overlay; }
  std::wstring GetOverlayValue(const std::wstring& key) const;
  void SetOverlayValue(const std::wstring& key, const std::wstring& value);
  int GetRollOffset() const;

  // Memory background (not supplied by the skin; a program may set one).
  void SetMemoryBitmap(HBITMAP bitmap) { memory_bitmap_ = bitmap; }
  // Whether the last text drawing found the text fitting its rectangle.
  bool TextFits() const { return text_fits_; }

  static RECT ToRECT(const YdRect& r) { return {r.left, r.top, r.right, r.bottom}; }
  static YdRect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

 protected:
  // Raises `type` when attached to a manager and allowed by the notify mask.
  void RaiseMasked(int type, WPARAM wParam, LPARAM lParam);
  // Sets the forwarding field and calls the parent's handler for `type`.
  void Forward(YdEvent& event);
  bool PointInside(const POINT& pt) const;
  void StartRollingText();
  void StopRollingText();
  YdRect TextArea() const;
  // The text colour, font, padding and special style for the current state.
  uint32_t StateTextColour() const;
  std::wstring StateFont() const;
  YdRect StateTextPadding() const;
  YdSpecialStyle StateSpecialStyle() const;
  bool AlphaText() const;
  // The value of `entry`'s key as this control applies it: parsed by the
  // entry's syntax and, for a length syntax, multiplied by DpiScale().
  // Every class's ApplyAttribute reads its values through this.
  YdAttributeValue ParseEntryValue(const YdAttributeEntry& entry, const std::wstring& value) const;

  YdPaintManager* manager_ = nullptr;
  YdControl* parent_ = nullptr;
  std::wstring name_;
  int id_ = 0;
  int tag_ = 0;
  std::wstring user_data_;
  wchar_t shortcut_ = 0;
  std::wstring text_;
  std::wstring tooltip_;
  std::wstring overlay_;
  YdRect pos_;
  YdRect paint_rect_;
  YdRect padding_;
  int fixed_x_ = 0, fixed_y_ = 0, fixed_width_ = 0, fixed_height_ = 0;
  int min_width_ = 0, min_height_ = 0, max_width_ = 0, max_height_ = 0;
  YdRect cut_;
  int row_height_ = 0;
  uint32_t child_align_ = 0;
  YdTextStyle text_style_;
  YdStateValues<uint32_t> text_colour_;
  uint32_t auto_text_colour_ = 0xFF000000u;
  uint8_t auto_text_mask_ = 0;
  YdStateValues<std::wstring> font_;
  YdStateValues<std::wstring> font_fallback_;
  YdStateValues<YdRect> text_padding_;
  YdStateValues<YdSpecialStyle> special_;
  YdStateValues<uint32_t> bk_colour_;
  YdRect bk_colour_padding_;
  YdRect normal_bk_colour_padding_;
  YdStateValues<std::wstring> bk_image_;
  YdStateValues<std::wstring> status_image_;
  uint32_t border_colour_ = 0, focused_border_colour_ = 0;
  int border_size_ = 1;
  int round_w_ = 0, round_h_ = 0;
  bool text_shadow_ = false, html_text_ = false, auto_expand_ = false, auto_tip_ = false;
  int text_auto_tip_padding_ = 0;
  bool show_focus_frame_ = false;
  bool use_memory_bitmap_ = false;
  HBITMAP memory_bitmap_ = nullptr;
  YdRect memory_area_;
  bool memory_alpha_ = true;
  bool visible_ = true, enabled_ = true, focused_ = false;
  bool float_ = false, rel_float_ = false, abs_float_ = false;
  bool caption_ = false, capture_ = false, space_return_ = false, has_been_hover_ = false;
  bool custom_tooltip_ = false, inherit_tooltip_ = false, reduce_ = false;
  int tooltip_delay_ = 0, tooltip_max_width_ = 0;
  YdBehaviourFlags flags_;
  YdNotifyMask notify_mask_;
  YdForwardMask forward_mask_;
  uint8_t state_ = 0;
  bool needs_layout_ = false;
  HWND native_window_ = nullptr;
  bool text_fits_ = true;
};

}  // namespace ZEPHYRA_NAMESPACE
