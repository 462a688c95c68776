// paint_manager.h -- the per-window paint manager: it owns the window's tree
// of windowless controls, paints it through an off-screen 32-bit bitmap (or
// pushes it to a layered window), turns mouse, keyboard, focus and timer
// messages into control events, tracks hover, capture and focus, shows
// tooltips, runs control timers and animations, hands notifications to its
// listeners, keeps the <Window> attributes that drive the window chrome and
// indexes the controls by id and by name.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/manager/animation_manager.h"
#include "ui/manager/control_timers.h"
#include "ui/text/font_table.h"
#include "ui/manager/timer_id_cycle.h"
#include "ui/manager/ui_messages.h"
#include "ui/values/dpi_scale.h"
#include "ui/window/window_chrome.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;

// The caret of an edit control (at most one per manager). In a layered
// window the manager draws it itself and blinks it with timer 259.
struct YdCaretRecord {
  int width = 0;
  int height = 0;
  HBITMAP bitmap = nullptr;  // borrowed; may be null
  bool shown = false;
  bool phaseOn = true;
};

class YdPaintManager : public IYdFontSource {
 public:
  YdPaintManager();
  YdPaintManager(const YdPaintManager&) = delete;
  YdPaintManager& operator=(const YdPaintManager&) = delete;
  virtual ~YdPaintManager();

  // Visibility and enabled state of the control with `id`; false without a
  // root or without such a control.
  virtual bool IsControlVisible(int id);
  virtual bool IsControlEnabled(int id);

  // ---- Binding and tree ----
  // Stores the window, takes its window DC and joins the process-wide list
  // of bound managers. Init is the same operation.
  void BindWindow(HWND window);
  void Init(HWND window) { BindWindow(window); }
  HWND GetWindow() const { return window_; }
  HDC GetWindowDC() const { return window_dc_; }
  HWND GetPaintWindow() const { return window_; }
  HDC GetPaintDC() const { return window_dc_; }

  // Makes `root` the root (owned from now on). The old root is queued for
  // deletion (unless it is `root` again); names and ids of the new tree are
  // indexed. Returns true.
  bool AttachRoot(YdControl* root);
  YdControl* GetRoot() const { return root_; }
  // Lookups go through the index; a miss searches the tree once and keeps
  // what it finds, so controls added or named after AttachRoot are found.
  YdControl* ControlById(int id) const;
  YdControl* ControlByName(const std::wstring& name) const;
  // Adds the names and ids of a subtree joining the attached tree to the
  // index (containers call it for children added to an attached tree).
  void IndexSubtree(YdControl* subtree);
  // Topmost visible control whose hit-test rectangle holds `pt`.
  YdControl* ControlAtPoint(POINT pt) const;
  // The visible control whose native window is `hwnd` or an ancestor of it.
  YdControl* ControlOfWindow(HWND hwnd) const;
  // A control that is being destroyed: its timers, animations and every
  // reference the manager holds to it are dropped.
  void ReleaseControl(YdControl* control);
  // A control leaving for another window: its timers, animations, timer
  // listening and input state go; its name, id and groups stay (a control
  // lent to a drop box comes back under them).
  void ReleaseActivity(YdControl* control);
  // Hands `control` (owned from now on) to the deletion queue; the caller
  // posts kDeletionQueueMessage. PostDeletion does both. The manager lets go
  // of the control and its children at once (as ReleaseControl does); when
  // the queue is emptied each queued control is deleted once, and one that
  // is back in the tree by then is kept.
  void QueueForDeletion(YdControl* control);
  void PostDeletion(YdControl* control);
  size_t DeletionQueueSize();

  // ---- Notifications and filters ----
  bool AddNotifyListener(INotify* listener);
  bool AddNotifier(INotify* listener) { return AddNotifyListener(listener); }
  bool RemoveNotifyListener(INotify* listener);
  void RaiseNotify(YdNotifyMsg& msg);
  void RaiseNotify(YdControl* sender, int type, WPARAM wParam = 0, LPARAM lParam = 0);
  bool AddMessageFilter(IWindowMessageFilter* filter);
  bool RemoveMessageFilter(IWindowMessageFilter* filter);

  // ---- Focus ----
  void SetFocusControl(YdControl* control, bool activateWindow);
  YdControl* GetFocusControl() const { return focus_; }
  void FocusNextTabStop(bool forward);

  // ---- Hover, pushed and captured controls; the mouse ----
  YdControl* GetHoverControl() const { return hover_; }
  YdControl* GetPushedControl() const { return pushed_; }
  YdControl* GetCapturedControl() const { return captured_; }
  POINT GetLastMousePos() const { return last_mouse_; }
  bool IsMouseCaptured() const { return mouse_captured_; }
  // The window's mouse capture taken and given back for a control that
  // holds the mouse itself (the rich edit's text services), with the flag.
  void CaptureMouse();
  void ReleaseMouse();
  // Set by a control around a drag-and-drop operation: while set, a left
  // button up keeps the mouse capture. Clearing it after the button went up
  // during the drag lets the capture go.
  void SetDragInProgress(bool drag);
  bool IsDragInProgress() const { return drag_in_progress_; }
  HWND GetToolTipWindow() const { return tooltip_window_; }
  HWND GetActiveToolTip() const { return active_tooltip_; }

  // ---- Timers ----
  // A timer of a control that belongs to another manager is refused
  // (false), as is one when every id of the cycle is held.
  bool StartControlTimer(YdControl* control, int localId, UINT intervalMs);
  bool StopControlTimer(YdControl* control, int localId);
  void StopAllTimers();
  // Next window timer id of the 0..254 cycle that no control timer or
  // animation of the window holds, started on the window; -1 when none is
  // free or SetTimer fails.
  int AllocateRawTimer(UINT intervalMs);
  const YdControlTimerTable<YdControl>& ControlTimers() const { return timers_; }
  // Controls of this manager that receive every WM_TIMER as a timer event.
  void AddTimerListener(YdControl* control);
  void RemoveTimerListener(YdControl* control);
  size_t TimerListenerCount() const { return timer_listeners_.size(); }
  YdAnimationManager& Animations() { return animations_; }

  // ---- Default attribute lists and groups ----
  void SetClassDefaults(const std::wstring& name, const std::wstring& list);
  std::wstring GetClassDefaults(const std::wstring& name) const;
  void RemoveClassDefaults(const std::wstring& name);
  bool AddToGroup(int key, YdControl* control);
  const std::vector<YdControl*>* GetGroup(int key) const;
  void RemoveFromGroup(int key, YdControl* control);

  // ---- Painting ----
  void RepaintAll();
  // Paints the whole client area into a fresh DIB and pushes it with
  // UpdateLayeredWindow; 0 when nothing could be pushed.
  int UpdateLayered(int alpha);
  // A control asks for a layout pass of the controls marked as needing one.
  void NeedRelayout() { relayout_pending_ = true; }
  // The root must be laid out again before the next paint.
  void NeedLayout() { layout_pending_ = true; }
  bool IsLayoutPending() const { return layout_pending_; }
  // The off-screen surface of the last paint (null before the first one or
  // after a size change); its pixels are 32-bit bottom-up BGRA.
  HDC GetOffscreenDC() const { return offscreen_dc_.Get(); }
  HBITMAP GetOffscreenBitmap() const { return offscreen_bitmap_.Get(); }
  const uint32_t* GetOffscreenBits() const { return offscreen_bits_; }
  SIZE GetOffscreenSize() const { return offscreen_size_; }

  // ---- Layered windows and text alpha ----
  bool IsLayered() const { return layered_; }
  void SetLayered(bool layered) { layered_ = layered; }
  int GetLayeredAlpha() const { return layered_alpha_; }
  void SetLayeredAlpha(int alpha) { layered_alpha_ = alpha; }

  // ---- Caret (edit controls) ----
  void CreateCaretShape(int width, int height, HBITMAP bitmap);
  void ShowCaretShape();
  void HideCaretShape();
  void DestroyCaretShape();
  void SetCaretPos(POINT pt) { caret_pos_ = pt; }
  POINT GetCaretPos() const { return caret_pos_; }
  const YdCaretRecord* GetCaret() const { return caret_.get(); }

  // ---- Display scale ----
  // The window's DPI / 96, read from the system when the window is bound.
  // Skin numbers are 96-DPI pixels; the manager and the controls apply them
  // multiplied by this scale.
  YdDpiScale GetDpiScale() const { return scale_; }
  // Sets the scale without touching what was applied before (a window
  // about to be built from its skin).
  void SetDpiScale(YdDpiScale scale);
  // The window moved to a display of another DPI: fonts are recreated,
  // every control's applied numbers are rescaled, the region and the
  // off-screen surface are rebuilt, and the tree is laid out again. The
  // caller sizes the window.
  void ChangeDpiScale(YdDpiScale scale);

  // ---- Window attributes of the <Window> element ----
  // Setters take the skin's 96-DPI numbers; getters answer in pixels at the
  // window's scale.
  void SetInitSize(int cx, int cy) { init_size_ = {cx, cy}; }
  // At most kMaxWindowSide a side: a skin's size is not trusted to be one a
  // display can shape or draw.
  SIZE GetInitSize() const {
    const SIZE s = ScaledSize(init_size_);
    return {std::min<LONG>(s.cx, kMaxWindowSide), std::min<LONG>(s.cy, kMaxWindowSide)};
  }
  void SetMinInfo(int cx, int cy) { min_info_ = {cx, cy}; }
  SIZE GetMinInfo() const { return ScaledSize(min_info_); }
  void SetMaxInfo(int cx, int cy) { max_info_ = {cx, cy}; }
  SIZE GetMaxInfo() const { return ScaledSize(max_info_); }
  void SetRoundCorner(int a, int b) { round_corner_ = {a, b}; }
  SIZE GetRoundCorner() const { return ScaledSize(round_corner_); }
  void SetRoundCornerImage(const std::wstring& descriptor);
  const std::wstring& GetRoundCornerImage() const { return round_corner_image_; }
  void SetCaptionRect(const RECT& rc) { caption_ = rc; }
  RECT GetCaptionRect() const { return ScaledRect(caption_); }
  void SetSizeBox(const YdSizeBox& box) { sizebox_ = box; }
  YdSizeBox GetSizeBox() const;
  void SetExtendWindow(bool extend) { extend_window_ = extend; }
  bool IsExtendWindow() const { return extend_window_; }
  void SetMainArea(const RECT& rc) { main_area_ = rc; }
  RECT GetMainArea() const { return ScaledRect(main_area_); }
  void SetCloseArea(const RECT& rc) { close_area_ = rc; }
  RECT GetCloseArea() const { return ScaledRect(close_area_); }
  void SetAccelerators(HACCEL table) { accelerators_ = table; }

  // ---- Fonts (the window's font table) ----
  YdFontInfo* AddFont(const std::wstring& name, const std::wstring& face, int size, bool bold,
                      bool underline, bool italic) {
    return fonts_.AddFont(name, face, size, bold, underline, italic);
  }
  YdFontInfo* GetFont(const std::wstring& name) override { return fonts_.GetFont(name); }
  YdFontInfo* GetDefaultFont() { return fonts_.GetDefaultFont(); }
  bool IsFontInstalled(const std::wstring& name) { return fonts_.IsFontInstalled(name); }
  // Whether a font of that name is registered in the table.
  bool HasFont(const std::wstring& name) const { return fonts_.FindFont(name) != nullptr; }
  YdFontTable& Fonts() { return fonts_; }

  // ---- Messages ----
  // Returns whether the message was handled; `result` then holds its value.
  bool HandleWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The window base's names for the same entry point.
  bool MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return HandleWindowMessage(msg, wParam, lParam, result);
  }
  bool PreTranslate(const MSG& msg);
  bool PreMessageHandler(const MSG& msg) { return PreTranslate(msg); }
  // GetMessageW until WM_QUIT, offering each message to the bound managers.
  static void RunMessageLoop();
  // Steps 1 and 2 of the loop for every bound manager: true when consumed.
  static bool TranslateForModal(const MSG& msg);
  // Managers currently bound to a window, in binding order.
  static const std::vector<YdPaintManager*>& BoundManagers();
  // The bound manager of `window`, or null.
  static YdPaintManager* ManagerOfWindow(HWND window);

  // Key state of key, wheel and cursor events, from GetKeyState.
  static WORD CurrentKeyState();

 private:
  SIZE ScaledSize(SIZE s) const { return {scale_.Scale(static_cast<int>(s.cx)), scale_.Scale(static_cast<int>(s.cy))}; }
  RECT ScaledRect(const RECT& r) const {
    const YdRect s = scale_.Scale(YdRect{r.left, r.top, r.right, r.bottom});
    return {s.left, s.top, s.right, s.bottom};
  }
  YdControl* FindTabStop(YdControl* start, bool forward, YdControl** lastSeen) const;
  void SendEvent(YdControl* control, int type, YdControl* sender, POINT pt, WPARAM wParam,
                 LPARAM lParam, WORD key, WORD keyState);
  void DeactivateToolTip(bool forget);
  void IndexTree();
  void PlaceMarkedControls();
  void PrepareFirstPaint(bool layered);
  bool EnsureOffscreen(int width, int height);
  void DropOffscreen();
  void DrawLayeredCaret();
  void EmptyDeletionQueue();
  // Whether `control` is part of the attached tree.
  bool InTree(YdControl* control) const;
  // Lets the capture this manager took go once no pressed control is left
  // (and no drag holds it).
  void ReleaseIdleCapture();
  // Ends the presses without activating anything: the pushed control gets
  // its button-up and the captured one its context menu at a point outside
  // every control.
  void CancelPresses();
  void ApplyWindowRegion();
  bool OnPaint();
  void OnMouseMove(POINT pt, WPARAM wParam);
  bool OnMouseHover(POINT pt);
  void OnTimer(WPARAM wParam);
  void OnCaretTimer();
  bool OnKillFocus(HWND gaining);
  void OnButtonDown(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnButtonUp(UINT msg, WPARAM wParam, LPARAM lParam);
  bool OnSetCursor(WPARAM wParam, LPARAM lParam);
  void FocusNextTabStop(bool forward, bool checkLayout);
  void TrackMouse(DWORD flags, DWORD hoverTime);

  YdAnimationManager animations_;
  YdDpiScale scale_;
  std::vector<YdControl*> timer_listeners_;
  bool drag_in_progress_ = false;
  bool init_pending_ = true;
  bool layered_ = false;
  int layered_alpha_ = 255;
  YdFontTable fonts_;
  std::map<int, std::vector<YdControl*>> groups_;
  mutable std::map<std::wstring, YdControl*> name_index_;
  mutable std::map<int, YdControl*> id_index_;
  HWND tooltip_window_ = nullptr;
  HWND active_tooltip_ = nullptr;
  TOOLINFOW tool_info_{};
  std::wstring tooltip_text_;  // the text tool_info_ points to
  bool nc_tracking_ = false;
  bool mouse_tracking_ = false;
  YdControl* hover_ = nullptr;
  YdControl* hover_tracked_ = nullptr;
  YdControl* pushed_ = nullptr;
  YdControl* captured_ = nullptr;
  YdControl* key_down_ = nullptr;
  YdControl* focus_ = nullptr;
  bool mouse_captured_ = false;
  POINT last_mouse_{-1, -1};
  bool relayout_pending_ = false;
  std::vector<INotify*> listeners_;
  std::vector<IWindowMessageFilter*> filters_;
  YdControlTimerTable<YdControl> timers_;
  std::vector<YdControl*> deletion_queue_;
  YdControl* root_ = nullptr;
  SIZE init_size_{0, 0};
  SIZE min_info_{0, 0};
  SIZE max_info_{0, 0};
  SIZE round_corner_{0, 0};
  std::wstring round_corner_image_;
  ScopedRegion corner_image_region_;
  RECT caption_{0, 0, 0, 0};
  YdSizeBox sizebox_;
  HWND window_ = nullptr;
  HDC window_dc_ = nullptr;
  ScopedCreateDC offscreen_dc_;
  ScopedBitmap offscreen_bitmap_;
  uint32_t* offscreen_bits_ = nullptr;
  SIZE offscreen_size_{0, 0};
  bool layout_pending_ = false;
  bool rounded_region_set_ = false;
  std::map<std::wstring, std::wstring> class_defaults_;
  bool focus_pending_ = false;
  YdTimerIdCycle timer_ids_;
  CRITICAL_SECTION deletion_lock_;
  bool extend_window_ = false;
  RECT main_area_{0, 0, 0, 0};
  RECT close_area_{0, 0, 0, 0};
  HACCEL accelerators_ = nullptr;
  bool painting_ = false;
  POINT caret_pos_{0, 0};
  std::unique_ptr<YdCaretRecord> caret_;
};

}  // namespace ZEPHYRA_NAMESPACE
