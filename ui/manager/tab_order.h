// tab_order.h -- the search behind Tab and Shift+Tab. The paint manager walks
// its tree (visible and enabled controls, containers before their children)
// and calls Visit for each control; a non-null result ends the walk with that
// control. When the walk ends without one, Fallback gives the answer: going
// forward, a second walk with a fresh search starting nowhere (the first
// tab stop of the tree); going backward, the last tab stop seen (the last of
// the tree). Null from both means the focus stays.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

template <typename Control>
class YdTabStopSearch {
 public:
  // `start` is the control that has the focus now (may be null).
  YdTabStopSearch(Control* start, bool forward) : start_(start), forward_(forward) {}

  // Called for every control of the walk, in order.
  Control* Visit(Control* control, bool isTabStop) {
    if (start_ != nullptr && control == start_) {
      if (forward_) {
        seenStart_ = true;
        return nullptr;
      }
      return last_;  // backward: the tab stop before the focus, if any
    }
    if (!isTabStop) return nullptr;
    last_ = control;
    return (seenStart_ || start_ == nullptr) ? control : nullptr;
  }

  // After a walk without a result: true when a forward search must walk
  // again with YdTabStopSearch(nullptr, true).
  bool NeedsSecondWalk() const { return forward_ && start_ != nullptr; }
  // After a walk without a result, going backward: the last tab stop seen.
  Control* Fallback() const { return forward_ ? nullptr : last_; }

 private:
  Control* start_;
  bool forward_;
  Control* last_ = nullptr;
  bool seenStart_ = false;
};

}  // namespace ZEPHYRA_NAMESPACE
