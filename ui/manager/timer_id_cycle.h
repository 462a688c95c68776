// timer_id_cycle.h -- the window timer identifiers a paint manager hands to
// control timers and animations. The counter starts at 4096 and each request
// advances it to (counter + 1) mod 255, so the first identifier is 17 and
// the identifiers then run through 0..254 and repeat. An identifier still
// held by a running timer of the window is skipped: two timers sharing one
// would tick each other's owner, and stopping one would kill the other.
// They stay below the window's own timers 257 (delayed show), 258
// (heartbeat) and 259 (caret).
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdTimerIdCycle {
 public:
  static constexpr unsigned kInitial = 4096;
  static constexpr unsigned kModulus = 255;

  // Advances the counter and returns the new identifier (0..254).
  unsigned Next() {
    counter_ = (counter_ + 1) % kModulus;
    return counter_;
  }

  // Advances the counter to the next identifier for which `inUse(id)` is
  // false and stores it in `id`. False when every identifier is in use; the
  // counter then stays where it was.
  template <typename InUse>
  bool NextFree(InUse inUse, unsigned* id) {
    unsigned candidate = counter_;
    for (unsigned tries = 0; tries < kModulus; ++tries) {
      candidate = (candidate + 1) % kModulus;
      if (!inUse(candidate)) {
        counter_ = candidate;
        *id = candidate;
        return true;
      }
    }
    return false;
  }

  // The identifier handed out last (the initial 4096 before the first call).
  unsigned Current() const { return counter_; }

 private:
  unsigned counter_ = kInitial;
};

}  // namespace ZEPHYRA_NAMESPACE
