// cancel_signal.h -- a signal the wizard sets to cancel the installation;
// the install steps wait on it together with their child processes.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "common/scoped_handle.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// A manual-reset event, not signalled at first; once set it stays set.
class YdCancelSignal {
 public:
  YdCancelSignal() : event_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  YdCancelSignal(const YdCancelSignal&) = delete;
  YdCancelSignal& operator=(const YdCancelSignal&) = delete;

  void Set() const { ::SetEvent(event_.Get()); }
  bool IsSet() const { return ::WaitForSingleObject(event_.Get(), 0) == WAIT_OBJECT_0; }
  // The event to wait on; null when it could not be created.
  HANDLE Handle() const { return event_.Get(); }

 private:
  ScopedHandle event_;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
