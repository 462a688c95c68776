// control_paint.cpp -- how a control paints itself: the fixed order of the
// steps (background colour, background image, status image, focus frame,
// text, border) and what each step draws for the control's current state.
#include <windows.h>

#include "common/scoped_gdi.h"
#include "ui/control/control.h"
#include "ui/control/text_effects.h"
#include "ui/manager/animation_logic.h"
#include "ui/render/bitmap_parts.h"
#include "ui/render/image_painter.h"
#include "ui/text/markup_text.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/round_clip.h"
#include "ui/text/text_render.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

YdRect Intersect(const YdRect& a, const YdRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

RECT Offset(const RECT& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

int TextWidth(YdPaintManager* manager, HDC dc, const std::wstring& text, const std::wstring& font) {
  if (text.empty()) return 0;
  const RECT r = MeasurePlainText(manager, nullptr, dc, text, font, DT_NOPREFIX | DT_CALCRECT);
  return r.right - r.left;
}

}  // namespace

bool YdControl::DrawImage(HDC dc, const std::wstring& descriptor, const std::wstring& modifier) {
  return PaintImageDescriptor(dc, ToRECT(paint_rect_), ToRECT(pos_), descriptor, modifier, DpiScale());
}

uint32_t YdControl::StateTextColour() const { return text_colour_.Select(state_, YdStateFamily::kText); }
std::wstring YdControl::StateFont() const {
  return font_.Get(SelectState(state_, YdStateFamily::kText, [this](YdVisualState s) { return !font_.Get(s).empty(); }));
}
YdRect YdControl::StateTextPadding() const { return text_padding_.Select(state_, YdStateFamily::kText); }

YdSpecialStyle YdControl::StateSpecialStyle() const {
  const YdSpecialStyle s = special_.Select(state_, YdStateFamily::kText);
  if (!s.IsSet()) return YdSpecialStyle{0, 0};
  return s;
}

bool YdControl::AlphaText() const { return manager_ != nullptr && manager_->IsLayered(); }

void YdControl::Paint(HDC dc, const RECT& dirty) {
  if (!IsVisible() || dc == nullptr) return;
  paint_rect_ = Intersect(FromRECT(dirty), pos_);
  if (paint_rect_.IsEmpty()) return;
  state_ = PaintStateBits(state_, IsEnabled(), IsFocused());
  RoundClip clip;
  const bool rounded = round_w_ != 0;
  if (rounded) BeginRoundClip(dc, &clip, ToRECT(pos_), round_w_, round_h_);
  FillStateBackground(dc);
  if (use_memory_bitmap_ || memory_bitmap_ != nullptr) {
    BITMAP info{};
    if (memory_bitmap_ != nullptr && ::GetObjectW(memory_bitmap_, sizeof(info), &info) != 0) {
      if (memory_area_.IsZero()) memory_area_ = {0, 0, info.bmWidth, info.bmHeight};
      PaintBitmapParts(memory_bitmap_, ToRECT(paint_rect_), ToRECT(memory_area_), dc, ToRECT(pos_), RECT{0, 0, 0, 0},
                       memory_alpha_, 255, false);
    }
  } else {
    DrawBackgroundImage(dc);
  }
  DrawStateImage(dc);
  if (show_focus_frame_) DrawFocusFrame(dc);
  DrawControlText(dc);
  DrawControlBorder(dc);
  if (rounded) EndRoundClip(&clip);
}

void YdControl::FillStateBackground(HDC dc) {
  const bool force = manager_ != nullptr && manager_->IsLayered();
  for (YdVisualState s : StateCandidates(state_, YdStateFamily::kBkColour)) {
    if (s == YdVisualState::kNormal) break;
    const uint32_t colour = bk_colour_.Get(s);
    if (colour == 0) continue;
    FillArgbRect(dc, ToRECT(pos_.Shrunk(bk_colour_padding_)), colour, force);
    return;
  }
  if (bk_colour_.normal != 0) {
    FillArgbRect(dc, ToRECT(pos_.Shrunk(normal_bk_colour_padding_)), bk_colour_.normal, force);
  }
}

void YdControl::DrawBackgroundImage(HDC dc) {
  for (YdVisualState s : StateCandidates(state_, YdStateFamily::kBkImage)) {
    std::wstring& descriptor = bk_image_.Get(s);
    if (descriptor.empty()) continue;
    if (DrawImage(dc, descriptor)) return;
    descriptor.clear();  // a broken image is not tried again
  }
}

void YdControl::DrawStateImage(HDC dc) {
  for (YdVisualState s : StateCandidates(state_, YdStateFamily::kStatusImage)) {
    std::wstring& descriptor = status_image_.Get(s);
    if (descriptor.empty()) continue;
    std::wstring modifier;
    if (s == YdVisualState::kNormal) {
      // The effect overlay of animations, on top of the normal image.
      auto add = [&modifier](const wchar_t* key, const std::wstring& value) {
        if (!modifier.empty()) modifier += L' ';
        modifier += std::wstring(key) + L"='" + value + L"'";
      };
      const std::wstring rotate = GetOverlayValue(L"rotate");
      const std::wstring source = GetOverlayValue(L"source");
      const std::wstring fade = GetOverlayValue(L"fade");
      const std::wstring gray = GetOverlayValue(L"gray");
      if (!rotate.empty()) add(L"rotate", rotate);
      if (!source.empty()) add(L"source", source);
      if (!fade.empty()) add(L"fade", fade);
      if (!gray.empty()) add(L"gray", gray);
    }
    if (DrawImage(dc, descriptor, modifier)) return;
    descriptor.clear();
  }
}

void YdControl::DrawFocusFrame(HDC dc) {
  RECT rc = ToRECT(pos_.Shrunk({3, 3, 3, 3}));
  ::SetTextColor(dc, 0xFFFFFF);
  ScopedSelectObject pen(dc, ::GetStockObject(NULL_PEN));
  ::DrawFocusRect(dc, &rc);
}

void YdControl::DrawControlText(HDC dc) {
  if (text_.empty()) return;
  RECT rc = ToRECT(pos_.Shrunk(StateTextPadding()));
  const uint32_t colour = StateTextColour();
  const std::wstring font = StateFont();
  const YdSpecialStyle special = StateSpecialStyle();
  const bool hasSpecial = special.dx != 0 || special.dy != 0;
  const bool alpha = AlphaText();
  UINT style = text_style_.format;
  const int offset = GetRollOffset();

  if (TestFlag(kFlagEnterRollText) && offset != 0) {
    const int width = TextWidth(manager_, dc, text_, font);
    if (width > rc.right - rc.left) {
      text_fits_ = false;
      const int saved = ::SaveDC(dc);
      ::IntersectClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
      for (int x : RollingTextCopies(rc.left, rc.right, offset, width)) {
        const RECT copy{x, rc.top, x + width, rc.bottom};
        if (hasSpecial) {
          DrawPlainText(text_, font, dc, manager_, Offset(copy, special.dx, special.dy), SpecialStyleColour(colour),
                        style, row_height_, alpha);
        } else if (text_shadow_) {
          DrawTextShadow(text_, font, dc, manager_, copy, style);
        }
        DrawPlainText(text_, font, dc, manager_, copy, colour, style, row_height_, alpha);
      }
      ::RestoreDC(dc, saved);
    } else {
      text_fits_ = true;
      if (manager_ != nullptr) manager_->Animations().RemoveAnimation(this, kAnimationRollText);
      if (text_style_.autoCenter) style |= kTextCenter;
      if (hasSpecial) {
        DrawPlainText(text_, font, dc, manager_, Offset(rc, special.dx, special.dy),
                      FittingRollSpecialStyleColour(colour), style, row_height_, alpha);
      } else if (text_shadow_) {
        DrawTextShadow(text_, font, dc, manager_, rc, style);
      }
      DrawPlainText(text_, font, dc, manager_, rc, colour, style, row_height_, alpha);
    }
  } else if (html_text_) {
    DrawMarkupText(dc, manager_, &rc, text_, colour, font, style, alpha);
    text_fits_ = true;
  } else {
    std::wstring shown = text_;
    const int available = rc.right - rc.left;
    bool fits = available >= TextWidth(manager_, dc, shown, font);
    text_fits_ = fits;
    if (text_style_.autoCenter) {
      while (!fits && !shown.empty()) {
        shown.pop_back();
        fits = available >= TextWidth(manager_, dc, shown, font_.normal);
      }
      style |= kTextCenter;
    } else if (text_style_.autoLength && !fits) {
      while (!fits && !shown.empty()) {
        shown.pop_back();
        fits = available >= TextWidth(manager_, dc, shown, font_.normal);
      }
    }
    if (!text_fits_) {
      rc.left += text_auto_tip_padding_;
      rc.right -= text_auto_tip_padding_;
    }
    if (hasSpecial) {
      DrawPlainText(shown, font, dc, manager_, Offset(rc, special.dx, special.dy), SpecialStyleColour(colour), style,
                    row_height_, alpha);
    } else if (text_shadow_) {
      DrawTextShadow(shown, font, dc, manager_, rc, style);
    }
    DrawPlainText(shown, font, dc, manager_, rc, colour, style, row_height_, alpha);
  }
  if (auto_tip_) tooltip_ = text_fits_ ? std::wstring() : text_;
}

void YdControl::DrawControlBorder(HDC dc) {
  if (border_size_ <= 0) return;
  const uint32_t colour = IsFocused() ? focused_border_colour_ : border_colour_;
  if (colour == 0) return;
  if (round_w_ != 0) {
    FrameArgbRoundRect(dc, ToRECT(pos_), border_size_, round_w_, round_h_, colour);
  } else {
    FrameArgbRect(dc, ToRECT(pos_), border_size_, colour, manager_ != nullptr && manager_->IsLayered());
  }
}

}  // namespace ZEPHYRA_NAMESPACE
