// window_wnd.h -- YdWindowWnd, the wrapper of one native top-level window:
// class registration (plain, or as a superclass of an existing class), the
// static window procedures that bind the window to its object and forward
// every message to one virtual procedure, the delayed show (timer 257), the
// heartbeat (timer 258), a modal message loop, centring on the owner and the
// application icon.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Window property that binds a superclassed window to its object.
constexpr wchar_t kWindowObjectProperty[] = L"YdWndObject";
// Icon resource of the application.
constexpr int kAppIconResource = 105;

class YdWindowWnd {
 public:
  YdWindowWnd() = default;
  YdWindowWnd(const YdWindowWnd&) = delete;
  YdWindowWnd& operator=(const YdWindowWnd&) = delete;
  virtual ~YdWindowWnd();

  virtual void SetShowDelay(int ms) { show_delay_ = ms; }
  virtual int GetShowDelay() const { return show_delay_; }
  // Shows or hides the window; a pending show delay turns a show into a
  // hide and starts timer 257. Starts the heartbeat. 0 when the handle is
  // not a window, else the result of ShowWindow.
  virtual LRESULT ShowWithDelay(bool show, bool activate);
  // Stops the delayed show and the heartbeat and posts WM_CLOSE; 0 when the
  // handle is not a window.
  virtual LRESULT PostClose();
  virtual const wchar_t* QueryClassName() const = 0;
  virtual const wchar_t* QuerySuperclassName() const { return nullptr; }
  virtual UINT QueryClassStyle() const { return 0; }
  virtual LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // Called once the window is gone (after WM_NCDESTROY). When the window is
  // destroyed from inside one of its own messages, the call waits until the
  // outermost ProcessMessage of the window has returned, so an object that
  // deletes itself here is never used afterwards by a handler still running.
  virtual void OnFinalDestroy(HWND) {}
  virtual void OnBeforeModal() {}
  virtual void ShowNormalNow() { ::ShowWindow(hwnd_, SW_SHOWNORMAL); }
  virtual void ShowAfterTick();

  // Registers the class and creates the window with this object as creation
  // parameter. Null when registration or creation fails.
  HWND Create(HWND parent, const wchar_t* windowName, DWORD style, DWORD exStyle, int x, int y,
              int cx, int cy);
  // Shows the window and runs a message loop until it is destroyed or
  // WM_QUIT arrives (which is posted again for the outer loop). The owner is
  // disabled meanwhile and enabled and focused again when the window closes.
  void RunModal();
  // Centres the window on its owner (or on the work area), kept inside the
  // work area of the primary monitor.
  void CenterOnOwner();
  // Loads icon 105 of the resource module in the big and small system
  // sizes and gives both to the window.
  void LoadAppIcon();

  HWND GetHWND() const { return hwnd_; }
  operator HWND() const { return hwnd_; }

 protected:
  // Offers a message of the modal loop to the paint managers' modal
  // translation; true consumes it. The base offers it to nobody.
  virtual bool TranslateModalMessage(MSG&) { return false; }
  WNDPROC PreviousWndProc() const { return previous_proc_; }

 private:
  bool RegisterWindowClass();
  bool RegisterSuperclass();
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK StaticSuperclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // ProcessMessage with the nesting count that defers OnFinalDestroy.
  static LRESULT Dispatch(YdWindowWnd* self, UINT msg, WPARAM wParam, LPARAM lParam);
  // After WM_NCDESTROY: OnFinalDestroy now, or when the outermost message ends.
  static void FinalDestroy(YdWindowWnd* self, HWND hwnd);
  void StartShowStep(int remaining);

  HWND hwnd_ = nullptr;
  WNDPROC previous_proc_ = ::DefWindowProcW;
  ScopedIcon big_icon_;
  ScopedIcon small_icon_;
  int show_delay_ = 0;
  UINT_PTR heartbeat_timer_ = 0;
  int dispatch_depth_ = 0;             // ProcessMessage calls on the stack
  HWND final_destroy_pending_ = nullptr;  // destroyed meanwhile: OnFinalDestroy is due
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
