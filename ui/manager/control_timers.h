// control_timers.h -- the paint manager's table of control timers: which
// window timer id a (control, local id) pair uses, which ids to kill when a
// control's timers stop, and which controls a WM_TIMER reaches. The manager
// calls SetTimer/KillTimer with the ids this table hands out.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/manager/event_types.h"
#include "ui/manager/timer_id_cycle.h"

namespace ZEPHYRA_NAMESPACE {

template <typename Control>
class YdControlTimerTable {
 public:
  struct Record {
    Control* control;
    int localId;
    uintptr_t window;
    unsigned timerId;
    unsigned intervalMs;
  };

  struct Start {
    unsigned timerId;  // SetTimer(window, timerId, interval)
    bool reused;       // a record exists: nothing to add after SetTimer
    bool available;    // false: every id of the cycle is held by a running timer
  };

  // The window timer id for starting (control, localId) on `window`: the
  // existing record's id, or the next id of the cycle that neither a record
  // of this window nor `otherInUse` (the window's animations) holds. The
  // cycle advances even when SetTimer then fails.
  template <typename OtherInUse>
  Start Prepare(Control* control, uintptr_t window, int localId, YdTimerIdCycle& ids,
                OtherInUse otherInUse) const {
    for (const Record& r : records_) {
      if (r.control == control && r.window == window && r.localId == localId) return {r.timerId, true, true};
    }
    unsigned id = 0;
    const bool found = ids.NextFree([&](unsigned c) { return UsesId(window, c) || otherInUse(c); }, &id);
    return {id, false, found};
  }
  Start Prepare(Control* control, uintptr_t window, int localId, YdTimerIdCycle& ids) const {
    return Prepare(control, window, localId, ids, [](unsigned) { return false; });
  }

  // Whether a record of `window` holds window timer id `timerId`.
  bool UsesId(uintptr_t window, unsigned timerId) const {
    for (const Record& r : records_) {
      if (r.window == window && r.timerId == timerId) return true;
    }
    return false;
  }

  // Whether (control, localId) still runs on `window` with `timerId`: a
  // control reached by an earlier timer event may have stopped it.
  bool Has(Control* control, uintptr_t window, int localId, unsigned timerId) const {
    for (const Record& r : records_) {
      if (r.control == control && r.window == window && r.localId == localId && r.timerId == timerId) return true;
    }
    return false;
  }

  // Records a timer after SetTimer succeeded for a Prepare that was not reused.
  void Add(const Record& record) { records_.push_back(record); }

  // Removes the control's timers on `window` with `localId` (all of them
  // for kAllControlTimers) and returns their window timer ids to kill.
  std::vector<unsigned> Stop(Control* control, uintptr_t window, int localId) {
    std::vector<unsigned> killed;
    for (auto it = records_.begin(); it != records_.end();) {
      if (it->control == control && it->window == window &&
          (localId == kAllControlTimers || it->localId == localId)) {
        killed.push_back(it->timerId);
        it = records_.erase(it);
      } else {
        ++it;
      }
    }
    return killed;
  }

  // Removes every timer of `window` and returns the ids to kill.
  std::vector<unsigned> StopAll(uintptr_t window) {
    std::vector<unsigned> killed;
    for (auto it = records_.begin(); it != records_.end();) {
      if (it->window == window) {
        killed.push_back(it->timerId);
        it = records_.erase(it);
      } else {
        ++it;
      }
    }
    return killed;
  }

  // The (control, local id) pairs that receive a timer event for WM_TIMER
  // with `timerId` (the low word of wParam) on `window`, in record order.
  std::vector<std::pair<Control*, int>> Targets(uintptr_t window, unsigned timerId) const {
    std::vector<std::pair<Control*, int>> out;
    for (const Record& r : records_) {
      if (r.window == window && r.timerId == (timerId & 0xFFFF)) out.emplace_back(r.control, r.localId);
    }
    return out;
  }

  const std::vector<Record>& Records() const { return records_; }

 private:
  std::vector<Record> records_;
};

}  // namespace ZEPHYRA_NAMESPACE
