// paint_manager_paint.cpp -- the painting pipeline of the paint manager: the
// first-paint duties (layout, initial focus, notification 1), the reused
// off-screen DIB of normal windows, layered windows pushed with
// UpdateLayeredWindow (looked up at run time), the drawn caret of layered
// windows, and the window region rebuilt on WM_SIZE.
#include "ui/control/control.h"
#include "ui/render/alpha_surface.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/round_clip.h"
#include "ui/window/window_region_win32.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                            DWORD);

UpdateLayeredWindowFn LookUpUpdateLayeredWindow() {
  static const UpdateLayeredWindowFn fn = [] {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<UpdateLayeredWindowFn>(
                                   reinterpret_cast<void*>(::GetProcAddress(user32, "UpdateLayeredWindow")));
  }();
  return fn;
}

// A 32-bit bottom-up DIB section of width x height, or an empty bitmap.
ScopedBitmap CreateSurface(HDC reference, int width, int height, uint32_t** bits) {
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  ScopedBitmap bitmap(::CreateDIBSection(reference, &bmi, DIB_RGB_COLORS, &pixels, nullptr, 0));
  *bits = bitmap.IsValid() ? static_cast<uint32_t*>(pixels) : nullptr;
  return bitmap;
}

}  // namespace

void YdPaintManager::RepaintAll() {
  if (window_ == nullptr) return;
  if (layered_) {
    UpdateLayered(layered_alpha_);
  } else {
    ::InvalidateRect(window_, nullptr, FALSE);
  }
}

void YdPaintManager::DropOffscreen() {
  offscreen_bitmap_.Close();
  offscreen_dc_.Close();
  offscreen_bits_ = nullptr;
  offscreen_size_ = {0, 0};
}

bool YdPaintManager::EnsureOffscreen(int width, int height) {
  if (offscreen_bitmap_.IsValid() && offscreen_size_.cx == width && offscreen_size_.cy == height) return true;
  DropOffscreen();
  if (width <= 0 || height <= 0) return false;
  offscreen_dc_.Set(::CreateCompatibleDC(window_dc_));
  offscreen_bitmap_ = CreateSurface(window_dc_, width, height, &offscreen_bits_);
  if (!offscreen_dc_.IsValid() || offscreen_bits_ == nullptr) {
    DropOffscreen();
    return false;
  }
  offscreen_size_ = {width, height};
  return true;
}

void YdPaintManager::PrepareFirstPaint(bool layered) {
  if (focus_pending_) {
    focus_pending_ = false;
    if (layout_pending_) {
      focus_pending_ = true;
      if (layered) {
        UpdateLayered(layered_alpha_);
      } else {
        RepaintAll();
      }
    } else {
      FocusNextTabStop(true, false);
    }
  }
  if (init_pending_ && root_ != nullptr) {
    init_pending_ = false;
    RaiseNotify(root_, kNotifyWindowInit);
  }
}

bool YdPaintManager::OnPaint() {
  if (layered_ && UpdateLayered(layered_alpha_) == 1) {
    ScopedBeginPaint validate(window_);
    return true;
  }
  RECT update{};
  if (!::GetUpdateRect(window_, &update, FALSE)) {
    // Nothing to draw; the window is still validated, or the system would
    // send WM_PAINT again and again.
    ScopedBeginPaint validate(window_);
    return true;
  }
  RECT client{};
  ::GetClientRect(window_, &client);
  if (layout_pending_) {
    layout_pending_ = false;
    if (root_ != nullptr) root_->SetPosition(client);
    DropOffscreen();
  }
  PrepareFirstPaint(false);
  if (relayout_pending_) {
    relayout_pending_ = false;
    PlaceMarkedControls();
    if (hover_ != nullptr) {
      ::SendMessageW(window_, WM_MOUSEMOVE, 0,
                     MAKELPARAM(static_cast<WORD>(last_mouse_.x), static_cast<WORD>(last_mouse_.y)));
    }
  }
  ScopedBeginPaint paint(window_);
  if (paint.Get() == nullptr) return true;
  const RECT& dirty = paint.Info().rcPaint;
  if (root_ != nullptr && EnsureOffscreen(client.right - client.left, client.bottom - client.top)) {
    ScopedSelectObject select(offscreen_dc_.Get(), offscreen_bitmap_.Get());
    root_->Paint(offscreen_dc_.Get(), dirty);
    ::BitBlt(paint.Get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
             offscreen_dc_.Get(), dirty.left, dirty.top, SRCCOPY);
  }
  return true;
}

int YdPaintManager::UpdateLayered(int alpha) {
  if (window_ == nullptr) return 0;
  RECT client{};
  ::GetClientRect(window_, &client);
  if (layout_pending_) {
    layout_pending_ = false;
    if (root_ != nullptr) root_->SetPosition(client);
  }
  if (painting_) return 1;
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{painting_ = true};
  PrepareFirstPaint(true);
  DropOffscreen();
  relayout_pending_ = false;
  PlaceMarkedControls();
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return 0;
  if (!EnsureOffscreen(width, height)) return 0;
  if (alpha < 0 || alpha > 255) alpha = 255;
  const LONG_PTR ex = ::GetWindowLongPtrW(window_, GWL_EXSTYLE);
  if ((ex & WS_EX_LAYERED) == 0) ::SetWindowLongPtrW(window_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  ScopedSelectObject select(offscreen_dc_.Get(), offscreen_bitmap_.Get());
  if (root_ != nullptr) root_->Paint(offscreen_dc_.Get(), client);
  DrawLayeredCaret();
  const UpdateLayeredWindowFn update = LookUpUpdateLayeredWindow();
  if (update == nullptr) return 0;
  RECT window{};
  ::GetWindowRect(window_, &window);
  POINT topLeft{0, 0};
  ::ClientToScreen(window_, &topLeft);
  SIZE size{width, height};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
  return update(window_, window_dc_, &topLeft, &size, offscreen_dc_.Get(), &source, 0, &blend, ULW_ALPHA) ? 1
                                                                                                       : 0;
}

void YdPaintManager::DrawLayeredCaret() {
  if (caret_ == nullptr || !caret_->shown || !caret_->phaseOn) return;
  if (caret_->width <= 0 || caret_->height <= 0) return;
  GdiAlphaSurface surface(offscreen_dc_.Get(), caret_->width, caret_->height);
  if (!surface.IsValid()) return;
  surface.MarkAlpha();
  {
    ScopedPen pen(::CreatePen(PS_INSIDEFRAME, caret_->width, RGB(0, 0, 0)));
    ScopedSelectObject selectPen(surface.dc(), pen.Get());
    ::MoveToEx(surface.dc(), 0, 0, nullptr);
    ::LineTo(surface.dc(), caret_->width - 1, caret_->height - 1);
  }
  surface.FixUpAlpha();
  surface.BlendOnto(offscreen_dc_.Get(), caret_pos_.x, caret_pos_.y, 255);
}

void YdPaintManager::CreateCaretShape(int width, int height, HBITMAP bitmap) {
  // The new caret starts hidden: the blink of a shown one stops with it.
  if (caret_ != nullptr && caret_->shown && layered_ && window_ != nullptr) {
    ::KillTimer(window_, kCaretBlinkTimerId);
  }
  caret_ = std::make_unique<YdCaretRecord>();
  caret_->width = width;
  caret_->height = height;
  caret_->bitmap = bitmap;
  if (window_ == nullptr) return;
  if (layered_) {
    UpdateLayered(layered_alpha_);
  } else {
    ::CreateCaret(window_, bitmap, width, height);
  }
}

void YdPaintManager::ShowCaretShape() {
  if (caret_ == nullptr) return;
  const bool wasShown = caret_->shown;
  caret_->shown = true;
  if (window_ == nullptr) return;
  if (!layered_) {
    ::ShowCaret(window_);
    return;
  }
  if (!wasShown) {
    ::SetTimer(window_, kCaretBlinkTimerId, 50, nullptr);
    caret_->phaseOn = false;
  }
  UpdateLayered(layered_alpha_);
}

void YdPaintManager::HideCaretShape() {
  if (caret_ == nullptr) return;
  const bool wasShown = caret_->shown;
  caret_->shown = false;
  if (window_ == nullptr) return;
  if (!layered_) {
    ::HideCaret(window_);
    return;
  }
  if (wasShown) ::KillTimer(window_, kCaretBlinkTimerId);
  UpdateLayered(layered_alpha_);
}

void YdPaintManager::DestroyCaretShape() {
  if (caret_ == nullptr) return;
  if (window_ != nullptr && ::IsWindow(window_)) {
    if (layered_) {
      ::KillTimer(window_, kCaretBlinkTimerId);
    } else {
      ::DestroyCaret();
    }
  }
  caret_.reset();
}

void YdPaintManager::OnCaretTimer() {
  ::KillTimer(window_, kCaretBlinkTimerId);
  // Only a shown caret blinks on.
  if (caret_ == nullptr || !caret_->shown) return;
  caret_->phaseOn = !caret_->phaseOn;
  RepaintAll();
  ::SetTimer(window_, kCaretBlinkTimerId, 500, nullptr);
}

void YdPaintManager::ApplyWindowRegion() {
  RECT rc{};
  ::GetClientRect(window_, &rc);
  YdWindowShape shape;
  shape.extendWindow = extend_window_;
  const RECT main = GetMainArea();
  const RECT close = GetCloseArea();
  const SIZE round = GetRoundCorner();
  shape.mainArea = {main.left, main.top, main.right, main.bottom};
  shape.closeArea = {close.left, close.top, close.right, close.bottom};
  shape.cornerImage.assign(round_corner_image_.begin(), round_corner_image_.end());
  shape.roundA = round.cx;
  shape.roundB = round.cy;
  const YdRegionPlan plan =
      PlanWindowRegion(shape, {rc.left, rc.top, rc.right, rc.bottom}, ::IsIconic(window_) != FALSE,
                       rounded_region_set_);
  if (plan.kind == YdRegionPlan::kKeep) return;
  if (plan.kind == YdRegionPlan::kCornerImage && !corner_image_region_.IsValid()) {
    corner_image_region_.Set(MakeCornerRegion(round_corner_image_, rc.bottom, rc.right, scale_));
  }
  ScopedRegion region = CreatePlannedRegion(plan, corner_image_region_.Get());
  if (!region.IsValid()) return;
  // The window owns the region from here on.
  if (::SetWindowRgn(window_, region.Get(), TRUE) != 0) (void)region.Take();
  rounded_region_set_ = plan.roundedRegionSet;
}

}  // namespace ZEPHYRA_NAMESPACE
