// space_needed.h -- what an extraction asks of its target volume and of its
// target's path length, decided from the table of contents before anything
// is written.
#pragma once

#include <cstdint>
#include <string>

#include "archive/file_system.h"
#include "archive/yd_toc_node.h"

namespace ZEPHYRA_NAMESPACE {

// Allocation unit assumed for the estimate (the common NTFS cluster).
constexpr uint64_t kAssumedClusterBytes = 4096;

// Bytes the tree below `root` needs on its volume: every written file's
// decoded size rounded up to whole clusters, one cluster per folder. The
// files it replaces are moved aside, not removed, until the extraction has
// ended, so none of their space counts as free.
uint64_t SpaceNeeded(const YdTocNode& root);

// True when `needed` bytes fit into `free_bytes`.
inline bool FitsFreeSpace(uint64_t needed, uint64_t free_bytes) { return needed <= free_bytes; }

// Length in UTF-16 units of the longest path below `root`, relative to the
// target and without a leading separator ("bin\lib\x.dll" is 13).
size_t LongestEntryPath(const YdTocNode& root);

// `path` itself when it exists as a folder, else its nearest ancestor that
// does; empty when none does.
std::u16string NearestExistingFolder(YdFileSystem& file_system, const std::u16string& path);

}  // namespace ZEPHYRA_NAMESPACE
