// window_shadow.cpp -- the drop-shadow window: class registration, the
// subclass procedure that follows the parent, and the upload of the shadow
// image to the layered window.
#include "ui/window/window_shadow.h"

#include <algorithm>
#include <map>

#include "common/scoped_gdi.h"
#include "ui/window/shadow_state.h"
#include "ui/window/window_region_win32.h"

#ifndef WM_DWMCOMPOSITIONCHANGED
#define WM_DWMCOMPOSITIONCHANGED 0x031E
#endif

namespace ZEPHYRA_NAMESPACE {
namespace {

constexpr int kMaxShadowSize = 127;

using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                            BLENDFUNCTION*, DWORD);

struct ShadowGlobals {
  bool initialized = false;
  UpdateLayeredWindowFn updateLayered = nullptr;
  HINSTANCE instance = nullptr;
  std::map<HWND, YdWindowShadow*> shadows;  // parent -> its shadow
};

ShadowGlobals& Globals() {
  static ShadowGlobals globals;
  return globals;
}

bool HasStyle(HWND window, LONG_PTR bits) {
  return (::GetWindowLongPtrW(window, GWL_STYLE) & bits) != 0;
}

}  // namespace

bool YdWindowShadow::InitializeShadows(HINSTANCE instance) {
  ShadowGlobals& g = Globals();
  if (g.initialized) return false;
  g.initialized = true;
  const HMODULE user32 = ::LoadLibraryW(L"USER32.DLL");
  if (user32 == nullptr) return false;
  g.updateLayered = reinterpret_cast<UpdateLayeredWindowFn>(
      reinterpret_cast<void*>(::GetProcAddress(user32, "UpdateLayeredWindow")));
  if (g.updateLayered == nullptr) return false;
  g.instance = instance;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  wc.lpszClassName = kShadowWindowClass;
  ::RegisterClassExW(&wc);
  return true;
}

YdWindowShadow::~YdWindowShadow() {
  // Normally the parent is gone first (its WM_NCDESTROY removed the entry).
  // A shadow object that dies before its parent gives the parent its own
  // procedure back, so no message reaches a dead object.
  ShadowGlobals& g = Globals();
  if (parent_ != nullptr) {
    auto it = g.shadows.find(parent_);
    if (it != g.shadows.end() && it->second == this) g.shadows.erase(it);
    if (::IsWindow(parent_) && parent_proc_ != nullptr &&
        ::GetWindowLongPtrW(parent_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ParentProc)) {
      ::SetWindowLongPtrW(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(parent_proc_));
    }
  }
  if (shadow_ != nullptr && ::IsWindow(shadow_)) ::DestroyWindow(shadow_);
}

void YdWindowShadow::CreateShadow(HWND parent) {
  ShadowGlobals& g = Globals();
  if (g.updateLayered == nullptr || parent == nullptr || parent_ != nullptr) return;
  // One shadow per parent: a second one would subclass the first one's
  // procedure and, finding itself in the map, call itself for ever.
  if (g.shadows.count(parent) != 0) return;
  g.shadows[parent] = this;
  parent_ = parent;
  shadow_ = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, kShadowWindowClass, nullptr,
                              WS_POPUPWINDOW, CW_USEDEFAULT, 0, 0, 0, parent, nullptr, g.instance,
                              nullptr);
  status_ = kShadowEnabled;
  ShowShadow(parent);
  parent_proc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ParentProc)));
}

void YdWindowShadow::SetShadowSize(int size) {
  params_.size = std::clamp(size, 0, kMaxShadowSize);
  if ((status_ & kShadowVisible) && parent_ != nullptr) UpdateShadow(parent_);
}

bool YdWindowShadow::SetShadowOffsets(int x, int y) {
  if (!AcceptShadowOffsets(x)) return false;
  params_.xOffset = x;
  params_.yOffset = y;
  if ((status_ & kShadowVisible) && parent_ != nullptr) UpdateShadow(parent_);
  return true;
}

void YdWindowShadow::ShowShadow(HWND parent) {
  status_ = ShadowStatusForParent(status_, HasStyle(parent, WS_VISIBLE),
                                  HasStyle(parent, WS_MAXIMIZE), HasStyle(parent, WS_MINIMIZE));
  if (status_ & kShadowVisible) {
    ::ShowWindow(shadow_, SW_SHOWNA);
    UpdateShadow(parent);
  } else {
    ::ShowWindow(shadow_, SW_HIDE);
  }
}

void YdWindowShadow::HideShadow() { ::ShowWindow(shadow_, SW_HIDE); }

void YdWindowShadow::UpdateShadow(HWND parent) {
  ShadowGlobals& g = Globals();
  RECT r{};
  if (g.updateLayered == nullptr || !::GetWindowRect(parent, &r)) return;
  update_pending_ = false;  // made from the parent as it is now
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  YdShadowImage image = MakeShadowImage(ScanWindowShape(parent, w, h), w, params_);
  if (image.width <= 0 || image.height <= 0) return;

  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
  bmi.bmiHeader.biWidth = image.width;
  bmi.bmiHeader.biHeight = image.height;  // bottom-up
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  bmi.bmiHeader.biSizeImage = static_cast<DWORD>(image.width) * image.height * 4;
  void* bits = nullptr;
  ScopedBitmap dib(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
  ScopedCreateDC memory(::CreateCompatibleDC(nullptr));
  if (!dib || !memory || bits == nullptr) return;
  CopyToBottomUpDib(image, static_cast<uint32_t*>(bits));

  const YdRect at = ShadowWindowRect({r.left, r.top, r.right, r.bottom}, params_);
  ::MoveWindow(shadow_, at.left, at.top, at.Width(), at.Height(), FALSE);
  POINT position{at.left, at.top};
  SIZE size{image.width, image.height};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ScopedSelectObject select(memory.Get(), dib.Get());
  if (g.updateLayered(shadow_, nullptr, &position, &size, memory.Get(), &source, 0, &blend,
                      ULW_ALPHA)) {
    last_image_ = std::move(image);
  }
}

void YdWindowShadow::ArmShowTimer() {
  if (shadow_ == nullptr) return;
  // A timer of the shadow window's own: it cannot clash with the parent's.
  // Timers come after WM_PAINT, so the parent's first frame goes first.
  if (::SetTimer(shadow_, kShowTimerId, USER_TIMER_MINIMUM, &ShowTimerProc) == 0) {
    show_step_ = ShowStep::kNone;
    PostShownSize();
  }
}

void YdWindowShadow::DisarmShowTimer() {
  if (show_step_ != ShowStep::kNone && shadow_ != nullptr) ::KillTimer(shadow_, kShowTimerId);
  show_step_ = ShowStep::kNone;
}

void YdWindowShadow::PostShownSize() {
  if (parent_ == nullptr) return;
  RECT client{};
  ::GetClientRect(parent_, &client);
  ::PostMessageW(parent_, WM_SIZE, SIZE_RESTORED, static_cast<LPARAM>(PackSize(client.right, client.bottom)));
}

void CALLBACK YdWindowShadow::ShowTimerProc(HWND shadow, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(shadow, id);
  ShadowGlobals& g = Globals();
  auto it = g.shadows.find(::GetWindow(shadow, GW_OWNER));
  if (it == g.shadows.end() || it->second->shadow_ != shadow) return;
  it->second->show_step_ = ShowStep::kNone;
  it->second->PostShownSize();
}

LRESULT CALLBACK YdWindowShadow::ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ShadowGlobals& g = Globals();
  auto it = g.shadows.find(hwnd);
  if (it == g.shadows.end()) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  return it->second->OnParentMessage(hwnd, msg, wParam, lParam);
}

LRESULT YdWindowShadow::OnParentMessage(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = parent_proc_;
  switch (msg) {
    case WM_MOVE:
      if (status_ & kShadowVisible) {
        RECT r{};
        ::GetWindowRect(parent, &r);
        const YdRect at = ShadowWindowRect({r.left, r.top, r.right, r.bottom}, params_);
        ::SetWindowPos(shadow_, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
      }
      break;
    case WM_SIZE: {
      // The parent sizes first: the window base rebuilds its rounded
      // region there, and the shadow is made from that region.
      const LRESULT result = ::CallWindowProcW(previous, parent, msg, wParam, lParam);
      const YdShadowSizeAction a =
          ShadowOnParentSize(status_, wParam, HasStyle(parent, WS_VISIBLE), LOWORD(lParam),
                             HIWORD(lParam), last_size_);
      status_ = a.status;
      last_size_ = a.lastSize;
      if (a.hide) HideShadow();
      if (a.rebuild) UpdateShadow(parent);
      if (a.show) ::ShowWindow(shadow_, SW_SHOWNA);
      // Shown again, the shadow is rebuilt once more at the next paint, when
      // the parent has its final shape; made after a paint, it already has.
      if (a.markPending && !(a.rebuild && painted_since_show_)) update_pending_ = true;
      return result;
    }
    case WM_PAINT: {
      // The parent's frame first: the shadow is a separate window and never
      // holds back what the parent draws.
      const LRESULT result = ::CallWindowProcW(previous, parent, msg, wParam, lParam);
      painted_since_show_ = true;
      if (show_step_ == ShowStep::kBeforeFirstPaint) {
        // Just shown: the frame reaches the screen when this thread next
        // waits, so the shadow is built a moment after that.
        show_step_ = ShowStep::kAfterFirstPaint;
        ArmShowTimer();
      } else if (show_step_ == ShowStep::kNone && update_pending_) {
        UpdateShadow(parent);
        update_pending_ = false;
      }
      return result;
    }
    case WM_EXITSIZEMOVE:
      if (status_ & kShadowVisible) UpdateShadow(parent);
      break;
    case WM_SHOWWINDOW:
      if (status_ & kShadowEnabled) {
        const LRESULT result = ::CallWindowProcW(previous, parent, msg, wParam, lParam);
        if (wParam) {
          update_pending_ = true;
          painted_since_show_ = false;
          ShowShadow(parent);
          // A popup gets no WM_SIZE when it is shown; one is posted to it,
          // after its first frame (see WM_PAINT).
          if (HasStyle(parent, WS_POPUP)) {
            show_step_ = ShowStep::kBeforeFirstPaint;
            ArmShowTimer();
          }
        } else {
          DisarmShowTimer();
          HideShadow();
          status_ &= static_cast<uint8_t>(~(kShadowVisible | kShadowParentVisible));
        }
        return result;
      }
      break;
    case WM_DWMCOMPOSITIONCHANGED:
      ShowShadow(parent);
      break;
    case WM_DESTROY:
      if (shadow_ != nullptr) ::DestroyWindow(shadow_);
      shadow_ = nullptr;
      break;
    case WM_NCDESTROY:
      Globals().shadows.erase(parent);
      parent_ = nullptr;
      break;
    default:
      break;
  }
  return ::CallWindowProcW(previous, parent, msg, wParam, lParam);
}

}  // namespace ZEPHYRA_NAMESPACE
