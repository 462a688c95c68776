// pause_event_posix.cpp -- the pause event over a mutex and a condition
// variable.
#include <condition_variable>
#include <mutex>

#include "archive/pause_event.h"

namespace ZEPHYRA_NAMESPACE {

struct YdPauseEvent::State {
  std::mutex mutex;
  std::condition_variable changed;
  bool signalled = true;
};

YdPauseEvent::YdPauseEvent() : state_(new State) {}
YdPauseEvent::~YdPauseEvent() = default;

bool YdPauseEvent::IsValid() const { return state_ != nullptr; }

int YdPauseEvent::Set() {
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->signalled = true;
  }
  state_->changed.notify_all();
  return 1;
}

int YdPauseEvent::Reset() {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->signalled = false;
  return 1;
}

void YdPauseEvent::Wait() {
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->changed.wait(lock, [this] { return state_->signalled; });
}

}  // namespace ZEPHYRA_NAMESPACE
