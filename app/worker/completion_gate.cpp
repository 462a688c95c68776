// completion_gate.cpp -- the completion handshake.
#include "app/worker/completion_gate.h"

namespace ZEPHYRA_NAMESPACE {

void YdCompletionGate::Close() {
  std::lock_guard<YdMutex> hold(lock_);
  open_ = false;
}

void YdCompletionGate::Open() {
  {
    std::lock_guard<YdMutex> hold(lock_);
    open_ = true;
  }
  opened_.notify_all();
}

bool YdCompletionGate::WaitOpen(std::chrono::milliseconds limit) {
  std::unique_lock<YdMutex> hold(lock_);
  return opened_.wait_for(hold, limit, [this] { return open_; });
}

bool YdCompletionGate::IsOpen() const {
  std::lock_guard<YdMutex> hold(lock_);
  return open_;
}

}  // namespace ZEPHYRA_NAMESPACE
