// control.cpp -- the control base: attribute vocabulary, geometry and
// visibility, events and their forwarding, notifications, click, rolling
// text, font fallback and the effect overlay. Painting is in
// control_paint.cpp.
#include "ui/control/control.h"

#include "ui/control/control_logic.h"
#include "ui/manager/animation_logic.h"
#include "ui/values/attribute_values.h"
#include "ui/render/image_descriptor.h"
#include "ui/manager/paint_manager.h"
#include "ui/text/text_render.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

constexpr int kRollTextIntervalMs = 35;

// A text special style offset as the style keeps it (a signed byte); a
// scaled offset beyond its range stops at the nearest end.
int8_t ClampOffset(int v) { return static_cast<int8_t>(v < -128 ? -128 : (v > 127 ? 127 : v)); }

}  // namespace

YdControl::YdControl() { text_colour_.normal = 0xFF000000u; }

YdControl::~YdControl() {
  if (manager_ != nullptr) manager_->ReleaseControl(this);
}

void YdControl::SetManager(YdPaintManager* manager) {
  if (manager_ != nullptr && manager_ != manager) manager_->ReleaseActivity(this);
  manager_ = manager;
}

bool YdControl::TestFlag(int bit) const { return bit >= 0 && bit < 4 && flags_.test(bit); }

void YdControl::SetFlag(int bit, bool on) {
  if (bit >= 0 && bit < 4) flags_.set(bit, on);
}

bool YdControl::IsNotifyEnabled(int type) const { return type >= 0 && type < 38 && notify_mask_.test(type); }

void YdControl::SetNotifyEnabled(int type, bool on) {
  if (type >= 0 && type < 38) notify_mask_.set(type, on);
}

bool YdControl::IsForwardEnabled(int type) const { return type >= 0 && type < 22 && forward_mask_.test(type); }

void YdControl::SetForwardEnabled(int type, bool on) {
  if (type >= 0 && type < 22) forward_mask_.set(type, on);
}

YdControl* YdControl::QueryKind(int kind) { return kind == kKindControl ? this : nullptr; }

YdControl* YdControl::FindMatching(YdFindProc proc, void* data, unsigned flags) {
  if ((flags & kFindVisible) != 0 && !IsVisible()) return nullptr;
  if ((flags & kFindEnabled) != 0 && !IsEnabled()) return nullptr;
  if ((flags & kFindHitTest) != 0) {
    const POINT pt = *static_cast<const POINT*>(data);
    if (!HitTestRect(pos_, cut_).Contains({pt.x, pt.y})) return nullptr;
  }
  return proc(this, data);
}

void YdControl::HandleEvent(YdEvent& event) {
  switch (event.type) {
    case kEventKeyDown: OnKeyDown(event); break;
    case kEventKeyUp: OnKeyUp(event); break;
    case kEventChar: OnChar(event); break;
    case kEventSysKeyDown: OnSysKeyDown(event); break;
    case kEventSysKeyUp: OnSysKeyUp(event); break;
    case kEventMouseMove: OnMouseMove(event); break;
    case kEventMouseLeave: OnMouseLeave(event); break;
    case kEventMouseEnter: OnMouseEnter(event); break;
    case kEventMouseHover: OnMouseHover(event); break;
    case kEventMouseWheel: OnMouseWheel(event); break;
    case kEventLButtonDown: OnLButtonDown(event); break;
    case kEventLButtonUp: OnLButtonUp(event); break;
    case kEventRButtonDown: OnRButtonDown(event); break;
    case kEventLButtonDblClk: OnLButtonDblClk(event); break;
    case kEventContextMenu: OnContextMenu(event); break;
    case kEventKillFocus: OnKillFocus(event); break;
    case kEventSetFocus: OnSetFocus(event); break;
    case kEventSetCursor: OnSetCursor(event); break;
    case kEventTimer: OnTimer(event); break;
    default: break;
  }
}

void YdControl::RaiseMasked(int type, WPARAM wParam, LPARAM lParam) {
  if (manager_ == nullptr || !MayRaiseNotify(type, notify_mask_)) return;
  YdNotifyMsg msg;
  msg.type = type;
  msg.sender = this;
  msg.point = manager_->GetLastMousePos();
  msg.wParam = wParam;
  msg.lParam = lParam;
  manager_->RaiseNotify(msg);
}

void YdControl::Forward(YdEvent& event) {
  if (parent_ == nullptr || !IsForwardEnabled(event.type)) return;
  event.forwarder = this;
  YdControl* p = parent_;
  switch (event.type) {
    case kEventKeyDown: p->OnKeyDown(event); break;
    case kEventKeyUp: p->OnKeyUp(event); break;
    case kEventChar: p->OnChar(event); break;
    case kEventSysKeyDown: p->OnSysKeyDown(event); break;
    case kEventSysKeyUp: p->OnSysKeyUp(event); break;
    case kEventMouseMove: p->OnMouseMove(event); break;
    case kEventMouseLeave: p->OnMouseLeave(event); break;
    case kEventMouseEnter: p->OnMouseEnter(event); break;
    case kEventMouseHover: p->OnMouseHover(event); break;
    case kEventMouseWheel:
      event.forwarder = IsEnabled() ? this : nullptr;
      p->OnMouseWheel(event);
      break;
    case kEventLButtonDown: p->OnLButtonDown(event); break;
    case kEventLButtonUp: p->OnLButtonUp(event); break;
    case kEventRButtonDown: p->OnRButtonDown(event); break;
    case kEventLButtonDblClk: p->OnLButtonDblClk(event); break;
    case kEventContextMenu: p->OnContextMenu(event); break;
    case kEventKillFocus: p->OnKillFocus(event); break;
    case kEventSetFocus: p->OnSetFocus(event); break;
    case kEventSetCursor: p->OnSetCursor(event); break;
    case kEventTimer: p->OnTimer(event); break;
    default: break;
  }
}

bool YdControl::PointInside(const POINT& pt) const { return pos_.Contains({pt.x, pt.y}); }

YdRect YdControl::TextArea() const { return pos_.Shrunk(text_padding_.normal); }

void YdControl::OnMouseEnter(YdEvent& event) {
  if (IsEnabled()) {
    const YdStateChange change = StateOnMouseEnter(state_, PointInside(event.point), true);
    state_ = change.bits;
    if (change.invalidate) Invalidate();
    if (TextArea().Contains({event.point.x, event.point.y})) StartRollingText();
    RaiseMasked(kNotifyMouseEnter, event.wParam, event.lParam);
  }
  Forward(event);
}

void YdControl::OnMouseHover(YdEvent& event) {
  RaiseMasked(kNotifyMouseHover, event.wParam, event.lParam);
  Forward(event);
}

void YdControl::OnMouseLeave(YdEvent& event) {
  const YdStateChange change = StateOnMouseLeave(state_);
  state_ = change.bits;
  if (change.invalidate) Invalidate();
  StopRollingText();
  RaiseMasked(kNotifyMouseLeave, event.wParam, event.lParam);
  Forward(event);
}

void YdControl::OnMouseMove(YdEvent& event) {
  if (IsEnabled()) {
    if (TextArea().Contains({event.point.x, event.point.y})) {
      StartRollingText();
    } else {
      StopRollingText();
    }
    const YdStateChange change = StateOnMouseMove(state_, PointInside(event.point), true);
    state_ = change.bits;
    if (change.invalidate) Invalidate();
  }
  Forward(event);
}

void YdControl::OnMouseWheel(YdEvent& event) { Forward(event); }

void YdControl::OnSetFocus(YdEvent& event) {
  focused_ = true;
  Invalidate();
  RaiseMasked(kNotifySetFocus, event.wParam, event.lParam);
  Forward(event);
}

void YdControl::OnKillFocus(YdEvent& event) {
  focused_ = false;
  Invalidate();
  RaiseMasked(kNotifyKillFocus, event.wParam, event.lParam);
  Forward(event);
}

void YdControl::OnSetCursor(YdEvent& event) {
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  Forward(event);
}

void YdControl::OnTimer(YdEvent& event) { Forward(event); }

void YdControl::OnContextMenu(YdEvent& event) {
  if (PointInside(event.point) && IsEnabled()) RaiseMasked(kNotifyContextMenu, event.wParam, event.lParam);
  Forward(event);
}

void YdControl::OnRButtonDown(YdEvent& event) {
  RaiseMasked(kNotifyRButtonDown, event.wParam, event.lParam);
  Forward(event);
}

void YdControl::OnLButtonDown(YdEvent& event) {
  if (IsEnabled()) {
    const YdStateChange change = StateOnLButtonDown(state_, PointInside(event.point), true);
    state_ = change.bits;
    if (change.invalidate) Invalidate();
    RaiseMasked(kNotifyLButtonDown, event.wParam, event.lParam);
  }
  Forward(event);
}

void YdControl::OnLButtonUp(YdEvent& event) {
  if (IsEnabled()) {
    const YdStateChange change =
        StateOnLButtonUp(state_, PointInside(event.point), event.forwarder != nullptr, true);
    state_ = change.bits;
    if (change.invalidate) Invalidate();
    if (change.activate) Activate(event);
    RaiseMasked(kNotifyLButtonUp, event.wParam, event.lParam);
  }
  Forward(event);
}

void YdControl::OnLButtonDblClk(YdEvent& event) {
  if (IsEnabled()) {
    const YdStateChange change = StateOnLButtonDblClk(state_, true);
    state_ = change.bits;
    if (change.invalidate) Invalidate();
    RaiseMasked(kNotifyLButtonDblClick, event.wParam, event.lParam);
  }
  Forward(event);
}

void YdControl::OnKeyDown(YdEvent& event) {
  if (IsEnabled() && space_return_ && (event.key == VK_SPACE || event.key == VK_RETURN)) Activate(event);
  Forward(event);
}

void YdControl::OnKeyUp(YdEvent& event) { Forward(event); }
void YdControl::OnChar(YdEvent& event) { Forward(event); }
void YdControl::OnSysKeyDown(YdEvent& event) { Forward(event); }
void YdControl::OnSysKeyUp(YdEvent& event) { Forward(event); }

bool YdControl::Activate(YdEvent& event) {
  if (!IsVisible() || !IsEnabled()) return false;
  if (IsForwardEnabled(kEventActivate) && parent_ != nullptr) {
    YdEvent forwarded = event;
    forwarded.forwarder = this;
    parent_->Activate(forwarded);
  }
  if (manager_ != nullptr && IsNotifyEnabled(kNotifyClick)) {
    YdNotifyMsg msg;
    msg.type = kNotifyClick;
    msg.sender = this;
    msg.point = event.point;
    msg.wParam = event.wParam;
    msg.lParam = event.lParam;
    manager_->RaiseNotify(msg);
  }
  return true;
}

void YdControl::StartRollingText() {
  if (!TestFlag(kFlagEnterRollText) || manager_ == nullptr) return;
  if (manager_->GetWindow() == nullptr || !::IsWindow(manager_->GetWindow())) return;
  if (manager_->Animations().IsRunning(this, kAnimationRollText)) return;
  YdAnimationRecord record;
  record.kind = kAnimationRollText;
  record.limit = 0;
  // A 96-DPI pixel a tick, at the window's scale.
  record.rollStep = DpiScale().Scale(1);
  record.restoreAtEnd = true;
  manager_->Animations().StartAnimation(kAnimationRollText, this, kRollTextIntervalMs, record);
}

void YdControl::StopRollingText() {
  if (manager_ == nullptr) return;
  if (!manager_->Animations().RemoveAnimation(this, kAnimationRollText)) return;
  SetOverlayValue(L"rolltext", L"0");
  Invalidate();
}

RECT YdControl::GetPadding() const { return ToRECT(padding_); }
void YdControl::SetPaddingRect(const RECT& rc) { padding_ = FromRECT(rc); }

SIZE YdControl::MeasureSize(SIZE) {
  if (auto_expand_ && manager_ != nullptr) {
    RECT measured{};
    const YdRect pad = StateTextPadding();
    MeasurePlainText(manager_, &measured, manager_->GetWindowDC(), text_, StateFont(), kTextNoPrefix | DT_CALCRECT);
    fixed_width_ = (measured.right - measured.left) + pad.left + pad.right;
  }
  return {fixed_width_, fixed_height_};
}

RECT YdControl::GetPosition() const { return ToRECT(pos_); }

void YdControl::SetPosition(const RECT& rc) {
  const YdRect next = NormalizedPosition(FromRECT(rc));
  const bool changed = next != pos_;
  pos_ = next;
  paint_rect_ = next;
  needs_layout_ = false;
  if (changed) RaiseMasked(kNotifyPosChange, 0, 0);
}

RECT YdControl::GetCut() const { return ToRECT(cut_); }
void YdControl::SetCut(const RECT& rc) { cut_ = FromRECT(rc); }

void YdControl::NeedUpdate() {
  needs_layout_ = true;
  if (manager_ != nullptr) manager_->NeedRelayout();
  Invalidate();
}

void YdControl::NeedParentUpdate() {
  if (parent_ != nullptr) {
    parent_->NeedUpdate();
  } else {
    NeedUpdate();
  }
}

void YdControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (focused_) focused_ = false;
  NeedParentUpdate();
}

bool YdControl::IsShownInTree() const {
  for (const YdControl* c = this; c != nullptr; c = c->GetParent()) {
    if (!c->IsVisible()) return false;
  }
  return true;
}

void YdControl::SetFixedWidth(int cx) {
  if (cx >= 0) fixed_width_ = cx;
}
void YdControl::SetFixedHeight(int cy) {
  if (cy >= 0) fixed_height_ = cy;
}
void YdControl::SetFixedXY(POINT pt) {
  fixed_x_ = pt.x;
  fixed_y_ = pt.y;
}
void YdControl::SetMinWidth(int cx) {
  if (cx >= 0 && cx != min_width_) min_width_ = cx;
}
void YdControl::SetMaxWidth(int cx) {
  if (cx >= 0 && cx != max_width_) max_width_ = cx;
}
void YdControl::SetMinHeight(int cy) {
  if (cy >= 0 && cy != min_height_) min_height_ = cy;
}
void YdControl::SetMaxHeight(int cy) {
  if (cy >= 0 && cy != max_height_) max_height_ = cy;
}

void YdControl::Invalidate() {
  if (parent_ != nullptr && parent_->NeedsLayout()) {
    parent_->Invalidate();
    return;
  }
  if (!IsVisible() || manager_ == nullptr || manager_->GetWindow() == nullptr) return;
  if (manager_->IsLayered()) {
    manager_->RepaintAll();
  } else {
    const RECT rc = ToRECT(pos_);
    ::InvalidateRect(manager_->GetWindow(), &rc, FALSE);
  }
}

void YdControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled) state_ = 0;
  Invalidate();
}

void YdControl::Initialize() {
  if (manager_ == nullptr) return;
  for (YdVisualState s : {YdVisualState::kNormal, YdVisualState::kHot, YdVisualState::kPushed,
                          YdVisualState::kSelected, YdVisualState::kDisabled}) {
    const std::wstring name = font_.Get(s);
    const std::wstring fallback = font_fallback_.Get(s);
    if (name.empty() || fallback.empty()) continue;
    if (!manager_->IsFontInstalled(name)) ApplyAttributeString(fallback);
  }
}

std::wstring YdControl::GetToolTip() const {
  if (tooltip_.empty() && inherit_tooltip_ && parent_ != nullptr) return parent_->GetToolTip();
  return tooltip_;
}

void YdControl::SetToolTip(const std::wstring& text) {
  if (text != tooltip_) tooltip_ = text;
  RaiseMasked(kNotifyToolTip, 0, 0);
  if (IsForwardEnabled(kEventToolTip) && parent_ != nullptr) parent_->SetToolTip(text);
}

void YdControl::SetText(const std::wstring& text) {
  if (text != text_) text_ = text;
  Invalidate();
}

void YdControl::SetFocus() {
  if (manager_ != nullptr) manager_->SetFocusControl(this, false);
}

void YdControl::SetAutoTextColor(uint32_t colour) {
  auto_text_colour_ = colour;
  if (auto_text_mask_ & 0x01) SetNormalTextColor(colour);
  if (auto_text_mask_ & 0x02) SetHotTextColor(colour);
  if (auto_text_mask_ & 0x04) SetPushedTextColor(colour);
  if (auto_text_mask_ & 0x08) SetSelectedTextColor(colour);
  if (auto_text_mask_ & 0x10) SetDisabledTextColor(colour);
}

void YdControl::RaiseCommandNotify(int kind) {
  const int type = CommandNotifyForKind(kind);
  if (type != 0 && manager_ != nullptr) manager_->RaiseNotify(this, type);
}

void YdControl::RaiseCustomNotify() {
  if (manager_ != nullptr) manager_->RaiseNotify(this, kNotifyCustom);
}

void YdControl::SetNormalImage(const std::wstring& descriptor) { status_image_.normal = descriptor; }

std::wstring YdControl::GetOverlayValue(const std::wstring& key) const {
  const std::wstring needle = key + L"='";
  size_t at = 0;
  while ((at = overlay_.find(needle, at)) != std::wstring::npos) {
    // A key starts the overlay or follows a blank ("source" is not "rsource").
    if (at == 0 || overlay_[at - 1] == L' ') break;
    ++at;
  }
  if (at == std::wstring::npos) return {};
  const size_t start = at + needle.size();
  const size_t end = overlay_.find(L'\'', start);
  return overlay_.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}

void YdControl::SetOverlayValue(const std::wstring& key, const std::wstring& value) {
  const std::wstring needle = key + L"='";
  size_t at = 0;
  while ((at = overlay_.find(needle, at)) != std::wstring::npos) {
    if (at == 0 || overlay_[at - 1] == L' ') break;
    ++at;
  }
  if (at == std::wstring::npos) {
    if (!overlay_.empty()) overlay_ += L' ';
    overlay_ += needle + value + L"'";
    return;
  }
  const size_t start = at + needle.size();
  const size_t end = overlay_.find(L'\'', start);
  overlay_.replace(start, (end == std::wstring::npos ? overlay_.size() : end) - start, value);
  if (end == std::wstring::npos) overlay_ += L'\'';
}

int YdControl::GetRollOffset() const { return ParseInt(AsUtf16(GetOverlayValue(L"rolltext"))); }

void YdControl::ApplyAttributeString(const std::wstring& list) {
  for (const auto& pair : ParseAttributeList(AsUtf16(list))) ApplyAttribute(ToWide(pair.first), ToWide(pair.second));
}

YdDpiScale YdControl::DpiScale() const { return manager_ != nullptr ? manager_->GetDpiScale() : YdDpiScale(); }

void YdControl::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  if (from == to) return;
  auto length = [&](int& v) { v = YdDpiScale::Rescale(v, from, to); };
  auto rect = [&](YdRect& r) { r = YdDpiScale::Rescale(r, from, to); };
  rect(pos_);
  rect(paint_rect_);
  rect(padding_);
  rect(cut_);
  rect(bk_colour_padding_);
  rect(normal_bk_colour_padding_);
  for (YdRect* r : {&text_padding_.normal, &text_padding_.hot, &text_padding_.pushed, &text_padding_.selected,
                    &text_padding_.focused, &text_padding_.disabled}) {
    rect(*r);
  }
  for (YdSpecialStyle* s : {&special_.normal, &special_.hot, &special_.pushed, &special_.selected,
                            &special_.focused, &special_.disabled}) {
    if (!s->IsSet()) continue;
    s->dx = ClampOffset(YdDpiScale::Rescale(s->dx, from, to));
    s->dy = ClampOffset(YdDpiScale::Rescale(s->dy, from, to));
  }
  for (int* v : {&fixed_x_, &fixed_y_, &fixed_width_, &fixed_height_, &min_width_, &min_height_, &max_width_,
                 &max_height_, &row_height_, &border_size_, &round_w_, &round_h_, &text_auto_tip_padding_,
                 &tooltip_max_width_}) {
    length(*v);
  }
}

YdAttributeValue YdControl::ParseEntryValue(const YdAttributeEntry& entry, const std::wstring& value) const {
  YdAttributeValue v = ParseAttributeValue(entry.syntax, AsUtf16(value));
  const YdDpiScale scale = DpiScale();
  if (scale.IsOne()) return v;
  switch (entry.syntax) {
    case YdValueSyntax::kLength: v.number = scale.Scale(v.number); break;
    case YdValueSyntax::kLengthRect: v.rect = scale.Scale(v.rect); break;
    case YdValueSyntax::kLengthPair: v.pair = scale.Scale(v.pair); break;
    default: break;
  }
  return v;
}

void YdControl::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindAttribute(ControlAttributeTable(), AsUtf16(key));
  if (entry == nullptr) return;
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  const YdVisualState state = entry->state;
  switch (static_cast<YdControlAttr>(entry->id)) {
    case YdControlAttr::kAlign: ApplyAlignWords(text_style_, AsUtf16(value)); break;
    case YdControlAttr::kEndEllipsis:
      text_style_.format = v.flag ? (text_style_.format | kTextEndEllipsis) : (text_style_.format & ~kTextEndEllipsis);
      break;
    case YdControlAttr::kPathEllipsis:
      text_style_.format =
          v.flag ? (text_style_.format | kTextPathEllipsis) : (text_style_.format & ~kTextPathEllipsis);
      break;
    case YdControlAttr::kTextColour: text_colour_.Get(state) = v.colour; break;
    case YdControlAttr::kFont: font_.Get(state) = ToWide(v.text); break;
    case YdControlAttr::kRowHeight: row_height_ = v.number; break;
    case YdControlAttr::kTextPadding: text_padding_.Get(state) = v.rect; break;
    case YdControlAttr::kStatusImage: status_image_.Get(state) = ToWide(v.text); break;
    case YdControlAttr::kBkNormalImage:
      bk_image_.normal = ToWide(v.text);
      Invalidate();
      break;
    case YdControlAttr::kBkImage: bk_image_.Get(state) = ToWide(v.text); break;
    case YdControlAttr::kPos: {
      const YdPosAttribute p = PosAttribute(v.rect);
      SetFixedXY({p.fixedXY.x, p.fixedXY.y});
      if (p.setWidth) SetFixedWidth(p.width);
      if (p.setHeight) SetFixedHeight(p.height);
      break;
    }
    case YdControlAttr::kFlags:
      flags_ |= YdBehaviourFlags(static_cast<unsigned long long>(v.bits));
      break;
    case YdControlAttr::kNotify: notify_mask_ |= YdNotifyMask(v.bits); break;
    case YdControlAttr::kDispatch: forward_mask_ |= YdForwardMask(v.bits); break;
    case YdControlAttr::kFormat: child_align_ |= static_cast<uint32_t>(v.bits); break;
    case YdControlAttr::kPadding: SetPadding(ToRECT(v.rect)); break;
    case YdControlAttr::kCut: SetCut(ToRECT(v.rect)); break;
    case YdControlAttr::kTextSpecialStyle: {
      // 100,100 is the style's "not set" and stays that at every scale.
      const YdPoint written = ParsePair(AsUtf16(value));
      YdSpecialStyle s;
      if (written.x != s.dx || written.y != s.dy) {
        s.dx = ClampOffset(v.pair.x);
        s.dy = ClampOffset(v.pair.y);
      }
      special_.Get(state) = s;
      break;
    }
    case YdControlAttr::kAutoTextColour: SetAutoTextColorMask(static_cast<uint8_t>(v.colour & 0xFF)); break;
    case YdControlAttr::kNormalBkColour:
      if (bk_colour_.normal != v.colour) {
        bk_colour_.normal = v.colour;
        Invalidate();
      }
      break;
    case YdControlAttr::kBkColour: bk_colour_.Get(state) = v.colour; break;
    case YdControlAttr::kBorderColour: border_colour_ = v.colour; break;
    case YdControlAttr::kFocusedBorderColour: focused_border_colour_ = v.colour; break;
    case YdControlAttr::kBorderSize: border_size_ = v.number; break;
    case YdControlAttr::kWidth: SetFixedWidth(v.number); break;
    case YdControlAttr::kHeight: SetFixedHeight(v.number); break;
    case YdControlAttr::kName: SetName(ToWide(v.text)); break;
    case YdControlAttr::kText: SetText(ToWide(v.text)); break;
    case YdControlAttr::kToolTip: SetToolTip(ToWide(v.text)); break;
    case YdControlAttr::kCustomToolTip: custom_tooltip_ = v.flag; break;
    case YdControlAttr::kEnabled: SetEnabled(v.flag); break;
    case YdControlAttr::kVisible: SetVisible(v.flag); break;
    case YdControlAttr::kRelFloat: SetRelFloat(v.flag); break;
    case YdControlAttr::kAbsFloat: SetAbsFloat(v.flag); break;
    case YdControlAttr::kFloat: SetFloat(v.flag); break;
    case YdControlAttr::kCapture: capture_ = v.flag; break;
    case YdControlAttr::kRoundCorner:
      round_w_ = v.pair.x;
      round_h_ = v.pair.y;
      break;
    case YdControlAttr::kUserData: SetUserData(ToWide(v.text)); break;
    case YdControlAttr::kTag: SetTag(v.number); break;
    case YdControlAttr::kShortcut: SetShortcut(static_cast<wchar_t>(v.colour)); break;
    case YdControlAttr::kMinWidth: SetMinWidth(v.number); break;
    case YdControlAttr::kMinHeight: SetMinHeight(v.number); break;
    case YdControlAttr::kMaxWidth: SetMaxWidth(v.number); break;
    case YdControlAttr::kMaxHeight: SetMaxHeight(v.number); break;
    case YdControlAttr::kId: SetId(v.number); break;
    case YdControlAttr::kAutoTip: SetAutoTip(v.flag); break;
    case YdControlAttr::kToolTipDelayTime: tooltip_delay_ = v.number; break;
    case YdControlAttr::kHasBeenHover: has_been_hover_ = v.flag; break;
    case YdControlAttr::kCaption: caption_ = v.flag; break;
    case YdControlAttr::kSpaceReturn: space_return_ = v.flag; break;
    case YdControlAttr::kHtmlText: html_text_ = v.flag; break;
    case YdControlAttr::kBkFromMemory: use_memory_bitmap_ = v.flag; break;
    case YdControlAttr::kMemoryBkArea: memory_area_ = v.rect; break;
    case YdControlAttr::kMemoryBitmapAlpha: has_been_hover_ = v.flag; break;
    case YdControlAttr::kBkColourPadding: bk_colour_padding_ = v.rect; break;
    case YdControlAttr::kNormalBkColourPadding: normal_bk_colour_padding_ = v.rect; break;
    case YdControlAttr::kAutoExpand: SetAutoExpand(v.flag); break;
    case YdControlAttr::kTextShadow: SetTextShadow(v.flag); break;
    case YdControlAttr::kTextAutoTipPadding: SetTextAutoTipPadding(v.number); break;
    case YdControlAttr::kFontStandbyAttrib: font_fallback_.Get(state) = ToWide(v.text); break;
    case YdControlAttr::kInheritToolTip: SetInheritToolTip(v.flag); break;
    case YdControlAttr::kToolTipMaxWidth: SetToolTipMaxWidth(v.number); break;
    case YdControlAttr::kReduce: reduce_ = v.flag; break;
  }
}

}  // namespace ZEPHYRA_NAMESPACE
