// completion_gate.h -- the one-time handshake between the install thread and
// the window: the thread waits at the gate after starting the completion
// animation, the UI thread opens it when the animation has ended.
#pragma once

#include <chrono>

#include "common/threading.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdCompletionGate {
 public:
  YdCompletionGate() = default;
  YdCompletionGate(const YdCompletionGate&) = delete;
  YdCompletionGate& operator=(const YdCompletionGate&) = delete;

  // Closes the gate for a new installation.
  void Close();
  // Any thread; opening an open gate does nothing.
  void Open();
  // Waits until the gate is open or `limit` has passed; true when opened.
  bool WaitOpen(std::chrono::milliseconds limit);
  bool IsOpen() const;

 private:
  mutable YdMutex lock_;
  YdCondition opened_;
  bool open_ = false;
};

}  // namespace ZEPHYRA_NAMESPACE
