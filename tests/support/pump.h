// pump.h -- the message pump of the window tests: handle what is waiting,
// run the thread's message queue for a time or until a condition holds, and
// wait for a condition another process or thread makes true.
#pragma once

#include <windows.h>

#include <functional>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Handles every message waiting for the thread; a WM_QUIT is dropped.
inline void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// Dispatches messages until `done` holds or `timeoutMs` have passed;
// returns whether `done` held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return false;
    PumpMessages();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

// Pumps messages for `ms` milliseconds (timers need real time to fire).
inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
  PumpMessages();
}

// Removes a WM_QUIT left in the queue; returns its exit code or -1.
inline int TakeQuit() {
  MSG msg;
  if (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(msg.wParam);
  return -1;
}

// Polls `done` every `stepMs` without pumping (for what another process or
// thread does) until it holds or `timeoutMs` have passed; returns whether
// it held.
inline bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD stepMs = 50) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return false;
    ::Sleep(stepMs);
  }
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
