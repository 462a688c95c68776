// window_dpi_win32.cpp -- GetDpiForWindow when user32 has it, else the
// screen's logical pixels per inch.
#include "ui/window/window_dpi.h"

#include "common/scoped_gdi.h"

namespace ZEPHYRA_NAMESPACE {

int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const GetDpiForWindowFn getDpiForWindow = [] {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<GetDpiForWindowFn>(
                     reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForWindow")))
               : nullptr;
  }();
  if (getDpiForWindow != nullptr && window != nullptr) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  ScopedGetDC screen(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : YdDpiScale::kBaseDpi;
}

}  // namespace ZEPHYRA_NAMESPACE
