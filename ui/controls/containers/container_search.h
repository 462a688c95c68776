// container_search.h -- the order in which a container's FindMatching asks
// its parts: after the visibility, enabled and hit tests on itself, the
// vertical bar, the horizontal bar, itself first when asked to, the children
// (last to first or first to last, skipped when a hit-test point lies in the
// inset), and itself at the end. The first non-null answer along this order
// is the result.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

struct YdContainerFindInput {
  unsigned flags = 0;            // YdFindFlag bits
  bool visible = true;
  bool enabled = true;
  YdRect position;
  YdRect inset;
  YdPoint point;                 // read only under the hit-test flag
  size_t childCount = 0;
  bool hasVerticalBar = false;
  bool hasHorizontalBar = false;
};

enum class YdFindStepKind { kVerticalBar, kHorizontalBar, kSelf, kChild };
struct YdFindStep {
  YdFindStepKind kind;
  size_t child = 0;   // index for kChild
  friend bool operator==(const YdFindStep& a, const YdFindStep& b) {
    return a.kind == b.kind && a.child == b.child;
  }
};

// The steps in order; empty when the container itself fails its tests.
std::vector<YdFindStep> ContainerFindOrder(const YdContainerFindInput& in);

}  // namespace ZEPHYRA_NAMESPACE
