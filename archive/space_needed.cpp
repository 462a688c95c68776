// space_needed.cpp -- the volume and path-length needs of an extraction.
#include "archive/space_needed.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {

uint64_t SpaceNeeded(const YdTocNode& root) {
  uint64_t total = 0;
  for (const auto& child : root.children) {
    if (child->type == kTocDirectory) {
      total += kAssumedClusterBytes + SpaceNeeded(*child);
    } else if (child->type == kTocFile) {
      total += (child->decodedSize + kAssumedClusterBytes - 1) / kAssumedClusterBytes * kAssumedClusterBytes;
    }
  }
  return total;
}

size_t LongestEntryPath(const YdTocNode& root) {
  size_t longest = 0;
  for (const auto& child : root.children) {
    size_t length = child->name.size();
    if (child->type == kTocDirectory && !child->children.empty()) length += 1 + LongestEntryPath(*child);
    longest = std::max(longest, length);
  }
  return longest;
}

std::u16string NearestExistingFolder(YdFileSystem& file_system, const std::u16string& path) {
  std::u16string folder = StripProbePath(path);
  while (!folder.empty()) {
    if (file_system.Probe(folder) == YdPathKind::kDirectory) return folder;
    const size_t at = folder.find_last_of(u"\\/");
    if (at == std::u16string::npos) return std::u16string();
    std::u16string parent = folder.substr(0, at == 0 ? 1 : at);
    // "C:" names the drive's current folder; its root is "C:\".
    if (parent.size() == 2 && parent[1] == u':') parent.push_back(u'\\');
    if (parent == folder) return std::u16string();
    folder = parent;
  }
  return std::u16string();
}

}  // namespace ZEPHYRA_NAMESPACE
