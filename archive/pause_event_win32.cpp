// pause_event_win32.cpp -- the pause event as a manual-reset Windows event.
#include <windows.h>

#include "archive/pause_event.h"
#include "common/scoped_handle.h"

namespace ZEPHYRA_NAMESPACE {

struct YdPauseEvent::State {
  ScopedHandle event;
};

YdPauseEvent::YdPauseEvent() : state_(new State) {
  state_->event.Set(::CreateEventW(nullptr, TRUE, TRUE, nullptr));
}
YdPauseEvent::~YdPauseEvent() = default;

bool YdPauseEvent::IsValid() const { return state_->event.IsValid(); }

int YdPauseEvent::Set() {
  if (::SetEvent(state_->event.Get())) return 1;
  return static_cast<int>(::GetLastError());
}

int YdPauseEvent::Reset() {
  if (::ResetEvent(state_->event.Get())) return 1;
  return static_cast<int>(::GetLastError());
}

void YdPauseEvent::Wait() {
  if (state_->event.IsValid()) ::WaitForSingleObject(state_->event.Get(), INFINITE);
}

}  // namespace ZEPHYRA_NAMESPACE
