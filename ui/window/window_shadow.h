// window_shadow.h -- YdWindowShadow, the soft drop shadow of a borderless
// top-level window: a layered, click-through popup owned by the parent,
// whose per-pixel-alpha image is computed from the parent's window shape
// and pushed with UpdateLayeredWindow. It follows the parent by subclassing
// the parent's window procedure: it moves with it, is rebuilt when the size
// changes, and hides while the parent is minimised, maximised or hidden.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <cstdint>

#include "common/yd_namespace.h"
#include "ui/window/shadow_bitmap.h"

namespace ZEPHYRA_NAMESPACE {

// Window class of every shadow window.
constexpr wchar_t kShadowWindowClass[] = L"UmbraShadowWnd";

class YdWindowShadow {
 public:
  YdWindowShadow() = default;
  YdWindowShadow(const YdWindowShadow&) = delete;
  YdWindowShadow& operator=(const YdWindowShadow&) = delete;
  virtual ~YdWindowShadow();

  // Once per process: finds UpdateLayeredWindow, keeps the instance and
  // registers the window class. False on a second call and when the system
  // has no layered windows.
  static bool InitializeShadows(HINSTANCE instance);

  // Creates the shadow window for `parent`, shows it according to the
  // parent's state and subclasses the parent. Nothing when shadows are not
  // available.
  void CreateShadow(HWND parent);
  // How far the shadow reaches beyond the parent, kept within 0..127 (the
  // range of the signed byte the size has always been stored in, without
  // the negative half, which draws the same as 0).
  void SetShadowSize(int size);
  // False (and nothing changes) for an x offset below -20.
  bool SetShadowOffsets(int x, int y);

  HWND GetShadowWindow() const { return shadow_; }
  uint8_t GetStatus() const { return status_; }
  const YdShadowParams& GetParams() const { return params_; }
  // The pixels last uploaded (rows from the top); empty before the first.
  const YdShadowImage& GetLastImage() const { return last_image_; }

 private:
  static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnParentMessage(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam);
  void ShowShadow(HWND parent);
  void UpdateShadow(HWND parent);
  void HideShadow();
  // The WM_SIZE a shown popup is sent by its shadow, once the popup's
  // first frame is painted: a timer, restarted by that paint.
  enum class ShowStep { kNone, kBeforeFirstPaint, kAfterFirstPaint };
  void ArmShowTimer();
  void DisarmShowTimer();
  void PostShownSize();
  static void CALLBACK ShowTimerProc(HWND shadow, UINT msg, UINT_PTR id, DWORD time);
  static constexpr UINT_PTR kShowTimerId = 1;

  HWND shadow_ = nullptr;
  HWND parent_ = nullptr;
  WNDPROC parent_proc_ = nullptr;
  uint8_t status_ = 0;
  YdShadowParams params_;
  uint32_t last_size_ = 0;
  bool update_pending_ = false;
  ShowStep show_step_ = ShowStep::kNone;
  bool painted_since_show_ = false;
  YdShadowImage last_image_;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
