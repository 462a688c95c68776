// container.cpp -- YdContainer: children, layout, scroll bars, scrolling,
// painting, search and destruction.
#include "ui/controls/containers/container.h"

#include <algorithm>

#include "ui/controls/containers/container_logic.h"
#include "ui/controls/containers/container_search.h"
#include "ui/control/control_logic.h"
#include "ui/controls/containers/layout_logic.h"
#include "ui/controls/containers/scroll_range.h"
#include "ui/controls/containers/scrollbar.h"
#include "ui/values/attribute_values.h"
#include "ui/manager/event_types.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ContainerAttr : int {
  kInset, kLayoutType, kVertical, kVScrollBar, kHScrollBar, kVScrollBarStyle, kHScrollBarStyle, kAutoDestroy,
  kChildPadding, kScrollCover, kAutoHideScrollBar, kAutoMinWidth, kAutoMinHeight,
};

constexpr YdAttributeEntry kContainerEntries[] = {
    AttributeEntry("inset", ContainerAttr::kInset, YdValueSyntax::kLengthRect),
    AttributeEntry("layouttype", ContainerAttr::kLayoutType, YdValueSyntax::kInt),
    AttributeEntry("vertical", ContainerAttr::kVertical, YdValueSyntax::kBool),
    AttributeEntry("vscrollbar", ContainerAttr::kVScrollBar, YdValueSyntax::kBool),
    AttributeEntry("hscrollbar", ContainerAttr::kHScrollBar, YdValueSyntax::kBool),
    AttributeEntry("vscrollbarstyle", ContainerAttr::kVScrollBarStyle, YdValueSyntax::kAttributeList),
    AttributeEntry("hscrollbarstyle", ContainerAttr::kHScrollBarStyle, YdValueSyntax::kAttributeList),
    AttributeEntry("autodestroy", ContainerAttr::kAutoDestroy, YdValueSyntax::kBool),
    AttributeEntry("childpadding", ContainerAttr::kChildPadding, YdValueSyntax::kLength),
    AttributeEntry("scrollcover", ContainerAttr::kScrollCover, YdValueSyntax::kBool),
    AttributeEntry("autohidescrollbar", ContainerAttr::kAutoHideScrollBar, YdValueSyntax::kBool),
    AttributeEntry("autominwidth", ContainerAttr::kAutoMinWidth, YdValueSyntax::kBool),
    AttributeEntry("autominheight", ContainerAttr::kAutoMinHeight, YdValueSyntax::kBool),
};

YdRect Meet(const YdRect& a, const YdRect& b) {
  YdRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

// Saves the DC's clip and narrows it to `rc`; restores on destruction.
class ClipScope {
 public:
  ClipScope(HDC dc, const YdRect& rc) : dc_(dc), saved_(::SaveDC(dc)) {
    ::IntersectClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
  }
  ~ClipScope() {
    if (saved_ != 0) ::RestoreDC(dc_, saved_);
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace

YdContainer::YdContainer() = default;

YdContainer::~YdContainer() {
  LeaveAutoHideList();
  RemoveAllChildrenNow();
  delete vbar_;
  delete hbar_;
  vbar_ = hbar_ = nullptr;
}

// ---- Children ----

YdControl* YdContainer::ChildAt(int index) const {
  if (index < 0 || index >= ChildCount()) return nullptr;
  return children_[static_cast<size_t>(index)];
}

int YdContainer::IndexOfChild(const YdControl* control) const {
  const auto at = std::find(children_.begin(), children_.end(), control);
  return at == children_.end() ? -1 : static_cast<int>(at - children_.begin());
}

void YdContainer::Attach(YdControl* control) {
  control->SetParent(this);
  if (manager_ != nullptr) {
    control->SetManager(manager_);
    // A tree already attached to its window initializes late arrivals here;
    // the first tree is initialized by the manager before its first paint.
    if (manager_->GetRoot() != nullptr && manager_->GetWindow() != nullptr) control->Initialize();
    if (manager_->GetRoot() != nullptr) manager_->IndexSubtree(control);
  }
}

void YdContainer::DestroyChild(YdControl* control) { delete control; }

bool YdContainer::CanAdopt(YdControl* control) const {
  if (control == nullptr) return false;
  // Not this container nor one above it: the tree would hold a loop.
  for (const YdControl* c = this; c != nullptr; c = c->GetParent()) {
    if (c == control) return false;
  }
  // Not a child that a container still holds (this one included), and not
  // a manager's root: each owner would delete it. Children lent out of a
  // container's list (the combo's entries, a menu entry's submenu) are free.
  if (YdControl* parent = control->GetParent()) {
    auto* holder = static_cast<YdContainer*>(parent->QueryKind(kKindContainer));
    if (holder != nullptr && holder->IndexOfChild(control) >= 0) return false;
  }
  const YdPaintManager* manager = control->GetManager();
  return manager == nullptr || manager->GetRoot() != control;
}

bool YdContainer::AddChild(YdControl* control) {
  if (!CanAdopt(control)) return false;
  Attach(control);
  children_.push_back(control);
  NeedUpdate();
  return true;
}

bool YdContainer::InsertChild(YdControl* control, int index) {
  if (!CanAdopt(control)) return false;
  Attach(control);
  children_.insert(children_.begin() + static_cast<long>(ChildInsertionIndex(index, children_.size())), control);
  NeedUpdate();
  return true;
}

bool YdContainer::ReplaceChildAt(int index, YdControl* control) {
  if (index < 0 || index >= ChildCount() || control == nullptr) return false;
  YdControl* old = children_[static_cast<size_t>(index)];
  if (control == old) return true;  // already there: nothing to replace
  if (!CanAdopt(control)) return false;
  if (auto_destroy_) {
    DestroyChild(old);
  } else {
    old->SetParent(nullptr);
  }
  Attach(control);
  children_[static_cast<size_t>(index)] = control;
  return true;
}

bool YdContainer::MoveChild(YdControl* control, int index) {
  const int from = IndexOfChild(control);
  if (from < 0) return false;
  children_.erase(children_.begin() + from);
  children_.insert(children_.begin() + static_cast<long>(ChildInsertionIndex(index, children_.size())), control);
  NeedUpdate();
  return true;
}

bool YdContainer::RemoveChild(YdControl* control) {
  const int at = IndexOfChild(control);
  if (at < 0) return false;
  children_.erase(children_.begin() + at);
  control->SetParent(nullptr);
  if (auto_destroy_) DestroyChild(control);
  NeedUpdate();
  return true;
}

bool YdContainer::RemoveChildAt(int index) {
  YdControl* child = ChildAt(index);
  return child != nullptr && RemoveChild(child);
}

void YdContainer::RemoveAllChildrenNow() {
  std::vector<YdControl*> old;
  old.swap(children_);
  for (YdControl* child : old) {
    if (auto_destroy_) {
      DestroyChild(child);
    } else {
      child->SetParent(nullptr);
    }
  }
}

void YdContainer::RemoveAllChildren() {
  std::vector<YdControl*> old;
  old.swap(children_);
  bool queued = false;
  for (YdControl* child : old) {
    child->SetParent(nullptr);
    if (!auto_destroy_) continue;
    if (manager_ != nullptr) {
      manager_->QueueForDeletion(child);
      queued = true;
    } else {
      // Without a manager there is no message to wait for.
      DestroyChild(child);
    }
  }
  if (queued && manager_->GetWindow() != nullptr) ::PostMessageW(manager_->GetWindow(), kDeletionQueueMessage, 0, 0);
  NeedUpdate();
}

void YdContainer::SetInset(const RECT& rc) {
  inset_ = FromRECT(rc);
  NeedUpdate();
}

void YdContainer::SetChildPadding(int padding) {
  child_padding_ = padding;
  NeedUpdate();
}

void YdContainer::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdControl::RescaleGeometry(from, to);
  inset_ = YdDpiScale::Rescale(inset_, from, to);
  child_padding_ = YdDpiScale::Rescale(child_padding_, from, to);
}

void YdContainer::SetLayoutKind(int kind) {
  if (kind >= 0 && kind <= 2) kind_ = static_cast<YdLayoutKind>(kind);
  NeedUpdate();
}

YdScrollbar* YdContainer::MakeBar(bool horizontal) {
  auto* bar = new YdScrollbar;
  bar->SetOwner(this);
  bar->SetParent(this);
  bar->SetManager(manager_);
  if (horizontal) bar->SetHorizontal(true);
  // The bar's default thickness is a 96-DPI length too.
  bar->RescaleGeometry(YdDpiScale(), DpiScale());
  if (manager_ != nullptr) {
    const std::wstring defaults = manager_->GetClassDefaults(horizontal ? L"HScrollBar" : L"VScrollBar");
    if (!defaults.empty()) bar->ApplyAttributeString(defaults);
  }
  const std::wstring& style = horizontal ? hbar_style_ : vbar_style_;
  if (!style.empty()) bar->ApplyAttributeString(style);
  // A new bar shows only once the content needs it.
  bar->SetState(false, bar->GetBarRange(), bar->GetBarPosition());
  return bar;
}

void YdContainer::EnableScrollBars(bool vertical, bool horizontal) {
  if (vertical && vbar_ == nullptr) vbar_ = MakeBar(false);
  if (!vertical && vbar_ != nullptr) {
    delete vbar_;
    vbar_ = nullptr;
  }
  if (horizontal && hbar_ == nullptr) hbar_ = MakeBar(true);
  if (!horizontal && hbar_ != nullptr) {
    delete hbar_;
    hbar_ = nullptr;
  }
  NeedUpdate();
}

void YdContainer::SetVisible(bool visible) {
  const bool changed = visible != IsVisible();
  YdControl::SetVisible(visible);
  if (changed) {
    for (YdControl* child : children_) child->OnAncestorVisibilityChanged();
  }
}

void YdContainer::OnAncestorVisibilityChanged() {
  for (YdControl* child : children_) child->OnAncestorVisibilityChanged();
}

void YdContainer::SetVisibleWithChildren(bool visible) {
  SetVisible(visible);
  for (YdControl* child : children_) {
    if (child->QueryKind(kKindPicExtendCtrl) != nullptr || child->QueryKind(kKindActiveX) != nullptr) {
      child->SetVisible(visible);
    }
  }
}

// ---- Layout ----

YdLayoutChild YdContainer::LayoutChildOf(YdControl* child) {
  YdLayoutChild c;
  c.visible = child->IsVisible();
  c.isFloat = child->IsFloat();
  c.isRelFloat = child->IsRelFloat();
  c.isAbsFloat = child->IsAbsFloat();
  c.reduce = child->IsReduce();
  c.align = child->GetChildAlign();
  c.padding = FromRECT(child->GetPadding());
  const POINT xy = child->GetFixedXY();
  c.fixedXY = {xy.x, xy.y};
  c.fixed = {child->GetFixedWidth(), child->GetFixedHeight()};
  c.minWidth = child->GetMinWidth();
  c.maxWidth = child->GetMaxWidth();
  c.minHeight = child->GetMinHeight();
  c.maxHeight = child->GetMaxHeight();
  c.measure = [child](int aw, int ah) {
    const SIZE s = child->MeasureSize(SIZE{aw, ah});
    return YdSize{s.cx, s.cy};
  };
  return c;
}

std::vector<YdLayoutChild> YdContainer::LayoutChildren() const {
  std::vector<YdLayoutChild> out;
  out.reserve(children_.size());
  for (YdControl* child : children_) out.push_back(LayoutChildOf(child));
  return out;
}

YdContainerBox YdContainer::Box() const {
  YdContainerBox box;
  box.position = pos_;
  box.inset = inset_;
  box.childPadding = child_padding_;
  box.scrollCover = scroll_cover_;
  if (vbar_ != nullptr) box.vbar = vbar_->State();
  if (hbar_ != nullptr) box.hbar = hbar_->State();
  return box;
}

YdLayoutOutcome YdContainer::RunLayout(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  return LayoutOfKind(kind_, box, children);
}

void YdContainer::ApplyBarValues(const YdContainerBox& box) {
  if (vbar_ != nullptr) {
    vbar_->SetState(box.vbar.visible, box.vbar.range, box.vbar.position);
  }
  if (hbar_ != nullptr) {
    hbar_->SetState(box.hbar.visible, box.hbar.range, box.hbar.position);
  }
}

void YdContainer::SetPosition(const RECT& rc) {
  YdControl::SetPosition(rc);
  if (children_.empty() && vbar_ == nullptr && hbar_ == nullptr) return;
  const std::vector<YdLayoutChild> children = LayoutChildren();
  const YdArrangement arranged = ArrangeContainer(
      Box(), [this, &children](const YdContainerBox& box) { return RunLayout(box, children); });
  YdContainerBox settled = Box();
  settled.vbar = arranged.vbar;
  settled.hbar = arranged.hbar;
  ApplyBarValues(settled);
  if (vbar_ != nullptr && arranged.vbarRect) vbar_->SetPosition(ToRECT(*arranged.vbarRect));
  if (hbar_ != nullptr && arranged.hbarRect) hbar_->SetPosition(ToRECT(*arranged.hbarRect));
  for (size_t i = 0; i < children_.size() && i < arranged.layout.rects.size(); ++i) {
    if (arranged.layout.rects[i]) children_[i]->SetPosition(ToRECT(*arranged.layout.rects[i]));
  }
  needs_layout_ = false;
}

void YdContainer::ProcessScrollBars(const RECT& content, int neededWidth, int neededHeight) {
  const YdContainerBox box = Box();
  const YdScrollBarsOutcome out =
      ZEPHYRA_NAMESPACE::ProcessScrollBars(FromRECT(content), {neededWidth, neededHeight}, box.vbar, box.hbar);
  YdContainerBox next = box;
  next.vbar = out.vbar;
  next.hbar = out.hbar;
  ApplyBarValues(next);
  if (vbar_ != nullptr && out.vbarRect) vbar_->SetPosition(ToRECT(*out.vbarRect));
  if (hbar_ != nullptr && out.hbarRect) hbar_->SetPosition(ToRECT(*out.hbarRect));
  if (out.changed && arrange_depth_ < kMaxArrangePasses) {
    ++arrange_depth_;
    SetPosition(GetPosition());
    --arrange_depth_;
  }
}

void YdContainer::PlaceFloatChild(YdControl* child, const RECT& reference) {
  if (child == nullptr || !child->IsVisible()) return;
  const YdLayoutChild c = LayoutChildOf(child);
  if (!c.IsFloating()) return;
  child->SetPosition(ToRECT(ZEPHYRA_NAMESPACE::PlaceFloatChild(c, FromRECT(reference))));
}

void YdContainer::PlaceSelfAsFloat() {
  if (!IsVisible()) return;
  const YdLayoutChild self = LayoutChildOf(this);
  if (!self.IsFloating()) return;
  SetPosition(ToRECT(ZEPHYRA_NAMESPACE::PlaceFloatChild(self, pos_)));
}

SIZE YdContainer::MeasureContent(SIZE available) {
  const YdSize s = ZEPHYRA_NAMESPACE::MeasureContent(kind_, Box(), LayoutChildren(), available.cx, available.cy,
                                           {fixed_width_, fixed_height_});
  return {s.cx, s.cy};
}

SIZE YdContainer::MeasureSize(SIZE available) {
  if (!auto_min_width_ && !auto_min_height_) return {fixed_width_, fixed_height_};
  const SIZE content = MeasureContent(available);
  return {auto_min_width_ ? content.cx : fixed_width_, auto_min_height_ ? content.cy : fixed_height_};
}

int YdContainer::GetMinWidth() const {
  if (!auto_min_width_) return min_width_;
  return const_cast<YdContainer*>(this)->MeasureContent(SIZE{0, 0}).cx;
}

int YdContainer::GetMinHeight() const {
  if (!auto_min_height_) return min_height_;
  return const_cast<YdContainer*>(this)->MeasureContent(SIZE{0, 0}).cy;
}

// ---- Scrolling ----

SIZE YdContainer::GetScrollPosition() const {
  const YdPoint p = ZEPHYRA_NAMESPACE::ScrollPosition(Box());
  return {p.x, p.y};
}

SIZE YdContainer::GetScrollRange() const {
  const YdPoint p = ZEPHYRA_NAMESPACE::ScrollRange(Box());
  return {p.x, p.y};
}

void YdContainer::SetScrollPosition(SIZE pos) {
  std::optional<int> firstTop;
  if (!children_.empty()) firstTop = children_.front()->GetTop();
  const YdScrollMove move = ZEPHYRA_NAMESPACE::SetScrollPosition(Box(), {pos.cx, pos.cy}, firstTop);
  if (vbar_ != nullptr && vbar_->State().Shown()) vbar_->SetBarPosition(move.vbar.position);
  if (hbar_ != nullptr && hbar_->State().Shown()) hbar_->SetBarPosition(move.hbar.position);
  if (!move.Moves()) return;
  for (YdControl* child : children_) {
    if (!child->IsVisible() || child->IsFloat() || child->IsRelFloat() || child->IsAbsFloat()) continue;
    const SIZE measured = child->MeasureSize(SIZE{0, 0});
    const YdRect next =
        ScrolledChildRect(FromRECT(child->GetPosition()), {measured.cx, measured.cy}, move.dx, move.dy);
    child->SetPosition(ToRECT(next));
  }
  Invalidate();
}

#define YD_SCROLL_OP(Name, Command) \
  void YdContainer::Name() {        \
    const YdPoint t = ScrollTarget(YdScrollCommand::Command, Box()); \
    SetScrollPosition(SIZE{t.x, t.y}); \
  }
YD_SCROLL_OP(LineUp, kLineUp)
YD_SCROLL_OP(LineDown, kLineDown)
YD_SCROLL_OP(PageUp, kPageUp)
YD_SCROLL_OP(PageDown, kPageDown)
YD_SCROLL_OP(HomeUp, kHomeUp)
YD_SCROLL_OP(EndDown, kEndDown)
YD_SCROLL_OP(LineLeft, kLineLeft)
YD_SCROLL_OP(LineRight, kLineRight)
YD_SCROLL_OP(PageLeft, kPageLeft)
YD_SCROLL_OP(PageRight, kPageRight)
YD_SCROLL_OP(HomeLeft, kHomeLeft)
YD_SCROLL_OP(EndRight, kEndRight)
#undef YD_SCROLL_OP

namespace {
void RunScrollCommand(YdContainer& c, YdScrollCommand command) {
  switch (command) {
    case YdScrollCommand::kLineUp: c.LineUp(); break;
    case YdScrollCommand::kLineDown: c.LineDown(); break;
    case YdScrollCommand::kPageUp: c.PageUp(); break;
    case YdScrollCommand::kPageDown: c.PageDown(); break;
    case YdScrollCommand::kHomeUp: c.HomeUp(); break;
    case YdScrollCommand::kEndDown: c.EndDown(); break;
    case YdScrollCommand::kLineLeft: c.LineLeft(); break;
    case YdScrollCommand::kLineRight: c.LineRight(); break;
    case YdScrollCommand::kPageLeft: c.PageLeft(); break;
    case YdScrollCommand::kPageRight: c.PageRight(); break;
    case YdScrollCommand::kHomeLeft: c.HomeLeft(); break;
    case YdScrollCommand::kEndRight: c.EndRight(); break;
  }
}
}  // namespace

void YdContainer::OnKeyDown(YdEvent& event) {
  const auto command = ScrollCommandForKey(event.key, Box());
  if (command) {
    RunScrollCommand(*this, *command);
    return;
  }
  YdControl::OnKeyDown(event);
}

void YdContainer::OnMouseWheel(YdEvent& event) {
  const auto command = ScrollCommandForWheel(static_cast<int>(event.wParam), Box());
  if (command) {
    RunScrollCommand(*this, *command);
    return;
  }
  YdControl::OnMouseWheel(event);
}

// ---- Auto-hide bars ----

void YdContainer::EnterAutoHideList() {
  if (manager_ == nullptr || in_auto_hide_list_) return;
  manager_->AddTimerListener(this);
  in_auto_hide_list_ = true;
  if (manager_->GetWindow() != nullptr) ::SetTimer(manager_->GetWindow(), kAutoHideTimerId, kAutoHideTimerMs, nullptr);
}

void YdContainer::LeaveAutoHideList() {
  if (manager_ == nullptr || !in_auto_hide_list_) return;
  manager_->RemoveTimerListener(this);
  in_auto_hide_list_ = false;
  // The 30 ms tick was started for the list; the last one out stops it, so
  // the window does not wake every 30 ms for nobody.
  const HWND window = manager_->GetWindow();
  if (manager_->TimerListenerCount() == 0 && window != nullptr && ::IsWindow(window)) {
    ::KillTimer(window, kAutoHideTimerId);
  }
}

void YdContainer::OnTimer(YdEvent& event) {
  if (auto_hide_ && event.sender == nullptr && event.wParam == kAutoHideTimerId && manager_ != nullptr) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    if (manager_->GetWindow() != nullptr) ::ScreenToClient(manager_->GetWindow(), &cursor);
    const bool captured = (vbar_ != nullptr && vbar_->IsCaptured()) || (hbar_ != nullptr && hbar_->IsCaptured());
    const YdAutoHideTick tick = AutoHideOnTimer(pointer_outside_, pos_.Contains({cursor.x, cursor.y}), captured);
    pointer_outside_ = tick.pointerOutside;
    if (tick.changed) {
      NeedUpdate();
      Invalidate();
    }
    return;
  }
  YdControl::OnTimer(event);
}

// ---- Painting and search ----

void YdContainer::Paint(HDC dc, const RECT& dirty) {
  if (!IsVisible() || dc == nullptr) return;
  const YdRect d = FromRECT(dirty);
  if (!RectsMeet(d, pos_)) return;
  ClipScope own(dc, Meet(d, pos_));
  YdControl::Paint(dc, dirty);
  const YdContainerBox box = Box();
  if (!children_.empty()) {
    const YdRect area = ChildPaintArea(box);
    std::vector<YdPaintChild> plan_in;
    plan_in.reserve(children_.size());
    for (YdControl* child : children_) {
      YdPaintChild p;
      p.visible = child->IsVisible();
      p.floating = child->IsFloat() || child->IsRelFloat() || child->IsAbsFloat();
      p.topmost = (child->GetChildAlign() & kChildAlignTopmost) != 0;
      p.position = FromRECT(child->GetPosition());
      plan_in.push_back(p);
    }
    for (const YdChildPaint& step : PlanChildPaint(plan_in, pos_, area, d)) {
      YdControl* child = children_[step.index];
      if (step.clip == YdChildClip::kContainer) {
        child->Paint(dc, dirty);
      } else {
        ClipScope inner(dc, Meet(area, d));
        child->Paint(dc, dirty);
      }
    }
  }
  painted_pointer_outside_ = pointer_outside_;
  if (vbar_ != nullptr &&
      PaintsScrollBar(box.vbar, FromRECT(vbar_->GetPosition()), d, auto_hide_, pointer_outside_)) {
    vbar_->Paint(dc, dirty);
  }
  if (hbar_ != nullptr &&
      PaintsScrollBar(box.hbar, FromRECT(hbar_->GetPosition()), d, auto_hide_, pointer_outside_)) {
    hbar_->Paint(dc, dirty);
  }
}

YdControl* YdContainer::FindMatching(YdFindProc proc, void* data, unsigned flags) {
  YdContainerFindInput in;
  in.flags = flags;
  in.visible = IsVisible();
  in.enabled = IsEnabled();
  in.position = pos_;
  in.inset = inset_;
  if ((flags & kFindHitTest) != 0) {
    const POINT pt = *static_cast<const POINT*>(data);
    in.point = {pt.x, pt.y};
  }
  in.childCount = children_.size();
  in.hasVerticalBar = vbar_ != nullptr;
  in.hasHorizontalBar = hbar_ != nullptr;
  for (const YdFindStep& step : ContainerFindOrder(in)) {
    YdControl* found = nullptr;
    switch (step.kind) {
      case YdFindStepKind::kVerticalBar: found = vbar_->FindMatching(proc, data, flags); break;
      case YdFindStepKind::kHorizontalBar: found = hbar_->FindMatching(proc, data, flags); break;
      case YdFindStepKind::kSelf: found = proc(this, data); break;
      case YdFindStepKind::kChild:
        if (step.child < children_.size()) found = children_[step.child]->FindMatching(proc, data, flags);
        break;
    }
    if (found != nullptr) return found;
  }
  return nullptr;
}

YdControl* YdContainer::QueryKind(int kind) {
  if (kind == kKindContainer) return this;
  return YdControl::QueryKind(kind);
}

// ---- Tree wiring ----

void YdContainer::SetManager(YdPaintManager* manager) {
  for (YdControl* child : children_) child->SetManager(manager);
  if (vbar_ != nullptr) vbar_->SetManager(manager);
  if (hbar_ != nullptr) hbar_->SetManager(manager);
  if (manager != manager_) LeaveAutoHideList();
  YdControl::SetManager(manager);
}

void YdContainer::SetParent(YdControl* parent) {
  for (YdControl* child : children_) child->SetParent(this);
  if (vbar_ != nullptr) vbar_->SetParent(this);
  if (hbar_ != nullptr) hbar_->SetParent(this);
  YdControl::SetParent(parent);
}

void YdContainer::Initialize() {
  for (YdControl* child : children_) child->Initialize();
  if (auto_hide_) EnterAutoHideList();
  YdControl::Initialize();
}

const YdAttributeTable& YdContainer::AttributeTable() {
  static const YdAttributeTable table{kContainerEntries, sizeof(kContainerEntries) / sizeof(kContainerEntries[0]),
                                      &ControlAttributeTable()};
  return table;
}

void YdContainer::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdControl::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<ContainerAttr>(entry->id)) {
    case ContainerAttr::kInset: SetInset(ToRECT(v.rect)); break;
    case ContainerAttr::kLayoutType: SetLayoutKind(v.number); break;
    case ContainerAttr::kVertical:
      if (v.flag) SetLayoutKind(2);
      break;
    case ContainerAttr::kVScrollBar: EnableScrollBars(v.flag, hbar_ != nullptr); break;
    case ContainerAttr::kHScrollBar: EnableScrollBars(vbar_ != nullptr, v.flag); break;
    case ContainerAttr::kVScrollBarStyle:
      vbar_style_ = value;
      EnableScrollBars(true, hbar_ != nullptr);
      break;
    case ContainerAttr::kHScrollBarStyle:
      hbar_style_ = value;
      EnableScrollBars(vbar_ != nullptr, true);
      break;
    case ContainerAttr::kAutoDestroy: SetAutoDestroy(v.flag); break;
    case ContainerAttr::kChildPadding: SetChildPadding(v.number); break;
    case ContainerAttr::kScrollCover: scroll_cover_ = v.flag; break;
    case ContainerAttr::kAutoHideScrollBar:
      auto_hide_ = v.flag;
      if (auto_hide_) {
        EnterAutoHideList();
      } else {
        LeaveAutoHideList();
      }
      break;
    case ContainerAttr::kAutoMinWidth: auto_min_width_ = v.flag; break;
    case ContainerAttr::kAutoMinHeight: auto_min_height_ = v.flag; break;
  }
}

}  // namespace ZEPHYRA_NAMESPACE
