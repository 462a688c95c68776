// pump.h -- message pumping for window tests: run the thread's message queue
// for a time, or until a condition holds.
#pragma once

#include <windows.h>

#include <functional>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Dispatches messages until `done` holds or `timeoutMs` have passed;
// returns whether `done` held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

// Removes a WM_QUIT left in the queue; returns its exit code or -1.
inline int TakeQuit() {
  MSG msg;
  if (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(msg.wParam);
  return -1;
}

}  // namespace ZEPHYRA_NAMESPACE
