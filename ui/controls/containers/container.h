// container.h -- YdContainer, the control that holds child controls: it
// places them with one of three layouts (overlay, horizontal, vertical),
// owns optional scroll bars and scrolls its content, paints its children
// with clipping (topmost ones last), searches them for hit tests and
// destroys them, at once or after the current message. The placement and
// scrolling decisions are the pure functions of layout_logic.h,
// scroll_range.h, container_logic.h and container_search.h; this class
// feeds them its children's values and applies what comes out.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/control/control.h"
#include "ui/controls/containers/layout_types.h"

namespace ZEPHYRA_NAMESPACE {

class YdScrollbar;

// The manager's window timer that drives auto-hide scroll bars.
constexpr UINT kAutoHideTimerId = 258;
constexpr UINT kAutoHideTimerMs = 30;

class YdContainer : public YdControl {
 public:
  YdContainer();
  ~YdContainer() override;

  // ---- Children ----
  virtual YdControl* ChildAt(int index) const;
  virtual int IndexOfChild(const YdControl* control) const;
  virtual bool MoveChild(YdControl* control, int index);
  virtual bool ReplaceChildAt(int index, YdControl* control);
  virtual int ChildCount() const { return static_cast<int>(children_.size()); }
  // Adding, inserting and replacing refuse a control that already has an
  // owner (a container that holds it, or a manager whose root it is) and
  // this container or one above it.
  virtual bool AddChild(YdControl* control);
  virtual bool InsertChild(YdControl* control, int index);
  virtual bool RemoveChild(YdControl* control);
  virtual bool RemoveChildAt(int index);
  virtual void RemoveAllChildrenNow();
  // Children lose their parent; with auto-destroy they go to the manager's
  // deletion queue (destroyed after the current message).
  virtual void RemoveAllChildren();
  // Whether `control` may become a child here (see AddChild).
  bool CanAdopt(YdControl* control) const;
  virtual bool GetAutoDestroy() const { return auto_destroy_; }
  virtual void SetAutoDestroy(bool on) { auto_destroy_ = on; }
  virtual RECT GetInset() const { return ToRECT(inset_); }
  virtual void SetInset(const RECT& rc);
  virtual int GetChildPadding() const { return child_padding_; }
  virtual void EnableScrollBars(bool vertical, bool horizontal);
  virtual void SetChildPadding(int padding);
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;
  virtual YdScrollbar* GetVerticalScrollBar() const { return vbar_; }
  virtual YdScrollbar* GetHorizontalScrollBar() const { return hbar_; }

  // ---- Scrolling ----
  virtual SIZE GetScrollPosition() const;
  virtual SIZE GetScrollRange() const;
  virtual void SetScrollPosition(SIZE pos);
  virtual void LineUp();
  virtual void LineDown();
  virtual void PageUp();
  virtual void PageDown();
  virtual void HomeUp();
  virtual void EndDown();
  virtual void LineLeft();
  virtual void LineRight();
  virtual void PageLeft();
  virtual void PageRight();
  virtual void HomeLeft();
  virtual void EndRight();

  virtual void SetLayoutKind(int kind);
  virtual int GetLayoutKind() const { return static_cast<int>(kind_); }
  // Places a visible floating child against `reference`.
  virtual void PlaceFloatChild(YdControl* child, const RECT& reference);
  // The float rules applied to the container itself, its position as reference.
  virtual void PlaceSelfAsFloat();
  virtual void SetVisibleWithChildren(bool visible);
  // Showing or hiding a container tells every control below it.
  void SetVisible(bool visible) override;
  void OnAncestorVisibilityChanged() override;
  // Shows, hides and sizes the bars for `content` and the needed size; a
  // change lays the container out again.
  virtual void ProcessScrollBars(const RECT& content, int neededWidth, int neededHeight);
  virtual SIZE MeasureContent(SIZE available);

  // ---- Overrides of the control base ----
  int GetKind() const override { return kKindContainer; }
  YdControl* QueryKind(int kind) override;
  YdControl* FindMatching(YdFindProc proc, void* data, unsigned flags) override;
  void OnMouseWheel(YdEvent& event) override;
  void OnTimer(YdEvent& event) override;
  void OnKeyDown(YdEvent& event) override;
  SIZE MeasureSize(SIZE available) override;
  void Paint(HDC dc, const RECT& dirty) override;
  void SetPosition(const RECT& rc) override;
  void SetParent(YdControl* parent) override;
  int GetMinWidth() const override;
  int GetMinHeight() const override;
  void SetManager(YdPaintManager* manager) override;
  void Initialize() override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The container's own keys; its base is the control base's table.
  static const YdAttributeTable& AttributeTable();

  bool IsScrollCover() const { return scroll_cover_; }
  bool IsAutoHideScrollBars() const { return auto_hide_; }
  bool IsPointerOutside() const { return pointer_outside_; }
  const std::wstring& GetVerticalScrollBarStyle() const { return vbar_style_; }
  const std::wstring& GetHorizontalScrollBarStyle() const { return hbar_style_; }

  // The values the pure layout functions read (public for the layouts and
  // their tests).
  YdContainerBox Box() const;
  std::vector<YdLayoutChild> LayoutChildren() const;
  static YdLayoutChild LayoutChildOf(YdControl* child);

 protected:
  // The layout pass of this container's kind over `box`.
  virtual YdLayoutOutcome RunLayout(const YdContainerBox& box, const std::vector<YdLayoutChild>& children);
  // A newly attached child gets the manager and is indexed.
  void Attach(YdControl* control);
  void DestroyChild(YdControl* control);
  void EnterAutoHideList();
  void LeaveAutoHideList();
  YdScrollbar* MakeBar(bool horizontal);
  void ApplyBarValues(const YdContainerBox& box);

  std::vector<YdControl*> children_;
  bool auto_destroy_ = true;
  YdRect inset_;
  YdLayoutKind kind_ = YdLayoutKind::kOverlay;
  int child_padding_ = 0;
  YdScrollbar* vbar_ = nullptr;
  YdScrollbar* hbar_ = nullptr;
  bool scroll_cover_ = false;
  std::wstring vbar_style_;
  std::wstring hbar_style_;
  bool auto_hide_ = false;
  bool pointer_outside_ = false;
  bool painted_pointer_outside_ = false;
  bool auto_min_width_ = false;
  bool auto_min_height_ = false;
  bool in_auto_hide_list_ = false;
  int arrange_depth_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
