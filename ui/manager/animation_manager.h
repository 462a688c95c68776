// animation_manager.h -- the running control animations of one paint
// manager. Each (control, kind) pair runs at most once, on a raw window timer
// of its own; every WM_TIMER of that id steps the record with the arithmetic
// of animation_record.h and applies the change to the control. A record that
// ends is removed, its timer killed, its restore applied when asked for, and
// the control raises its command notification for the kind.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/manager/animation_record.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;
class YdPaintManager;

class YdAnimationManager {
 public:
  explicit YdAnimationManager(YdPaintManager* owner) : owner_(owner) {}
  YdAnimationManager(const YdAnimationManager&) = delete;
  YdAnimationManager& operator=(const YdAnimationManager&) = delete;
  ~YdAnimationManager();

  // Starts `record.kind` for `control`: nothing (false) for a null control,
  // a control of another manager (or none), a manager whose window is gone,
  // a pair that already runs, or when no timer can be allocated. `intervalMs` <= 0 takes
  // the kind's default.
  bool StartAnimation(int kind, YdControl* control, int intervalMs, const YdAnimationRecord& record);

  // Removes the pair's record without finishing it (no restore, no
  // notification) and kills its timer. Returns whether one ran.
  bool RemoveAnimation(YdControl* control, int kind);
  // Removes the control's records of every kind 0x2000 to 0x2009.
  void RemoveControl(YdControl* control);
  // Kills every timer and forgets every record.
  void Clear();

  // Steps every record whose timer id is `timerId`; finished ones are then
  // removed and finished. Returns whether any record had that id.
  bool OnTimer(UINT_PTR timerId);

  // Removes and finishes the pair at once, as if its last step had ended it.
  bool FinishAnimation(YdControl* control, int kind);

  bool IsRunning(const YdControl* control, int kind) const;
  // The running record of the pair, null when none (tests and callers that
  // read a step's state).
  const YdAnimationRecord* Find(const YdControl* control, int kind) const;
  // Raw timer id of the pair's record, 0 when none runs.
  UINT_PTR TimerOf(const YdControl* control, int kind) const;
  size_t Count() const;
  // Whether a running record holds raw timer id `timerId`.
  bool UsesTimer(UINT_PTR timerId) const;

 private:
  struct Running {
    YdControl* control = nullptr;
    UINT_PTR timerId = 0;
    int intervalMs = 0;
    HWND window = nullptr;
    YdAnimationRecord record;
  };

  void Apply(YdControl* control, const YdAnimationChange& change);
  void Finish(Running& running);
  void KillTimerOf(const Running& running);

  YdPaintManager* owner_;
  std::map<int, std::vector<std::unique_ptr<Running>>> byKind_;
};

}  // namespace ZEPHYRA_NAMESPACE
