// yd_toc_node.cpp -- table-of-contents node helpers.
#include "archive/yd_toc_node.h"

namespace ZEPHYRA_NAMESPACE {

uint64_t YdTocNode::TotalStoredSize() const {
  uint64_t total = storedSize;
  if (type == kTocDirectory) {
    for (const auto& child : children) total += child->TotalStoredSize();
  }
  return total;
}

}  // namespace ZEPHYRA_NAMESPACE
