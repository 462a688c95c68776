// container_search.cpp -- FindMatching order of a container.
#include "ui/controls/containers/container_search.h"

#include "ui/control/control_logic.h"

namespace ZEPHYRA_NAMESPACE {

std::vector<YdFindStep> ContainerFindOrder(const YdContainerFindInput& in) {
  std::vector<YdFindStep> steps;
  const bool hitTest = (in.flags & kFindHitTest) != 0;
  if ((in.flags & kFindVisible) && !in.visible) return steps;
  if ((in.flags & kFindEnabled) && !in.enabled) return steps;
  if (hitTest && !in.position.Contains(in.point)) return steps;
  if (in.hasVerticalBar) steps.push_back({YdFindStepKind::kVerticalBar});
  if (in.hasHorizontalBar) steps.push_back({YdFindStepKind::kHorizontalBar});
  if (in.flags & kFindMeFirst) steps.push_back({YdFindStepKind::kSelf});
  const bool inChildArea = !hitTest || in.position.Shrunk(in.inset).Contains(in.point);
  if (inChildArea) {
    const bool topFirst = (in.flags & kFindTopFirst) != 0;
    for (size_t k = 0; k < in.childCount; ++k) {
      steps.push_back({YdFindStepKind::kChild, topFirst ? in.childCount - 1 - k : k});
    }
  }
  steps.push_back({YdFindStepKind::kSelf});
  return steps;
}

}  // namespace ZEPHYRA_NAMESPACE
