// common_controls.cpp -- loading the common controls library at run time.
#include "ui/manager/common_controls.h"

#include <commctrl.h>

namespace ZEPHYRA_NAMESPACE {

namespace {

using InitCommonControlsFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

HMODULE LoadCommonControls() {
  // The system folder only; a system without the search flags (before the
  // update that brought them) refuses them, and takes the name as such.
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  HMODULE module = ::LoadLibraryExW(L"comctl32.dll", nullptr, kSearchSystem32);
  if (module == nullptr && ::GetLastError() == ERROR_INVALID_PARAMETER) module = ::LoadLibraryW(L"comctl32.dll");
  return module;
}

}  // namespace

bool InitCommonControlsAtRunTime(DWORD classes) {
  // Loaded once and kept: the classes it registers live as long as the
  // process.
  static const InitCommonControlsFn init = []() -> InitCommonControlsFn {
    const HMODULE module = LoadCommonControls();
    if (module == nullptr) return nullptr;
    return reinterpret_cast<InitCommonControlsFn>(
        reinterpret_cast<void*>(::GetProcAddress(module, "InitCommonControlsEx")));
  }();
  if (init == nullptr) return false;
  INITCOMMONCONTROLSEX icc{sizeof(icc), classes};
  return init(&icc) != FALSE;
}

}  // namespace ZEPHYRA_NAMESPACE
