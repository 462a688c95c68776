// deletion_logic.h -- which controls of the paint manager's deletion queue
// are freed when it is emptied: each one once, however often it was queued,
// and none that is part of the live tree again (taken out, queued, then put
// back before the queue was emptied).
#pragma once

#include <algorithm>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// `attached(control)` tells whether the control belongs to the live tree.
template <typename Control, typename Attached>
std::vector<Control*> PlanDeletion(const std::vector<Control*>& queued, Attached attached) {
  std::vector<Control*> doomed;
  for (Control* c : queued) {
    if (c == nullptr || std::find(doomed.begin(), doomed.end(), c) != doomed.end() || attached(c)) continue;
    doomed.push_back(c);
  }
  return doomed;
}

}  // namespace ZEPHYRA_NAMESPACE
