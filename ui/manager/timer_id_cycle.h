// timer_id_cycle.h -- the window timer identifiers a paint manager hands to
// control timers and animations. The counter starts at 4096 and each request
// advances it to (counter + 1) mod 255, so the first identifier is 17 and
// the identifiers then run through 0..254 and repeat. They stay below the
// window's own timers 257 (delayed show), 258 (heartbeat) and 259 (caret).
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
  // The identifier handed out last (the initial 4096 before the first call).
  unsigned Current() const { return counter_; }

 private:
  unsigned counter_ = kInitial;
};

}  // namespace ZEPHYRA_NAMESPACE
