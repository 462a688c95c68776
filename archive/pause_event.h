// pause_event.h -- the event a progress object pauses the extraction with:
// signalled means "go on", reset means "hold at the next progress report".
// Windows uses a manual-reset event; POSIX a mutex and condition variable.
#pragma once

#include <memory>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdPauseEvent {
 public:
  // Created signalled (not paused). Check IsValid(): creation can fail.
  YdPauseEvent();
  ~YdPauseEvent();
  YdPauseEvent(const YdPauseEvent&) = delete;
  YdPauseEvent& operator=(const YdPauseEvent&) = delete;

  bool IsValid() const;
  // Both return a non-zero value on success, or the system error on failure
  // (never 0).
  int Set();
  int Reset();
  // Blocks while the event is reset.
  void Wait();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace ZEPHYRA_NAMESPACE
