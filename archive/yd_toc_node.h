// yd_toc_node.h -- one node of a packed archive's table of contents.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/codec/yd_buffer.h"

namespace ZEPHYRA_NAMESPACE {

// Record types of the table of contents.
enum YdTocType : int {
  kTocDirectory = 0,
  kTocFile = 1,
  kTocAccounted = 2,  // counted in the progress, never written
  kTocInline = 3,     // small data kept in the table itself
};

// Times are Windows FILETIME values: 100-ns ticks since 1601-01-01 UTC.
using YdFileTime = uint64_t;

struct YdTocNode {
  int type = kTocDirectory;
  uint32_t attributes = 0;
  std::u16string name;       // one path component, UTF-16
  std::u16string fullPath;  // filled in during extraction
  YdFileTime creationTime = 0;
  YdFileTime lastAccessTime = 0;
  YdFileTime lastWriteTime = 0;
  uint64_t decodedSize = 0;
  uint16_t converter = 0;
  uint64_t dataOffset = 0;
  uint64_t storedSize = 0;
  YdBuffer inlineData;       // type 3 only
  YdTocNode* parent = nullptr;  // not owning
  std::vector<std::shared_ptr<YdTocNode>> children;

  // Own stored size plus, for directories, that of every descendant.
  uint64_t TotalStoredSize() const;
};

}  // namespace ZEPHYRA_NAMESPACE
