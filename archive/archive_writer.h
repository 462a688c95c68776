// archive_writer.h -- builds YDZ archives in memory: the table of contents in
// pre-order, then every entry's stored bytes in table order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/yd_toc_node.h"

namespace ZEPHYRA_NAMESPACE {

struct YdEntryTimes {
  YdFileTime creation = 0;
  YdFileTime lastAccess = 0;
  YdFileTime lastWrite = 0;
};

class YdArchiveWriter {
 public:
  YdArchiveWriter();

  YdTocNode& Root() { return root_; }

  YdTocNode& AddDirectory(YdTocNode& parent, const std::u16string& name, uint32_t attributes,
                          const YdEntryTimes& times);
  // Encodes `content` with `converter` (0 stored, 1 zlib at `level`).
  // Returns null when no encoder exists for the converter or encoding fails.
  YdTocNode* AddFile(YdTocNode& parent, const std::u16string& name, uint32_t attributes,
                     const YdEntryTimes& times, const std::vector<uint8_t>& content, int converter,
                     int level);
  // Adds an entry whose stored bytes are given as they are (any type other
  // than 0 and 3, any converter identifier, any recorded decoded size).
  YdTocNode& AddStoredEntry(YdTocNode& parent, int type, const std::u16string& name, uint32_t attributes,
                            const YdEntryTimes& times, std::vector<uint8_t> stored, uint64_t decoded_size,
                            int converter);
  YdTocNode& AddInline(YdTocNode& parent, const std::u16string& name, const std::vector<uint8_t>& data);

  // Header, table and data area; assigns every entry's data offset.
  std::vector<uint8_t> Finish(uint8_t version = 1);

 private:
  YdTocNode& Append(YdTocNode& parent);

  YdTocNode root_;
  std::vector<std::pair<const YdTocNode*, std::vector<uint8_t>>> stored_;
};

// Encodes `content` through the packing converter `converter`. False when
// there is none or it fails.
bool EncodeEntry(const std::vector<uint8_t>& content, int converter, int level, std::vector<uint8_t>& stored);

// Appends the record of `node` alone (not its children) to `table`. A
// directory's child count is taken from its children.
void AppendTocRecord(std::vector<uint8_t>& table, const YdTocNode& node);

// Number of bytes the record of `node` alone occupies in the table.
uint64_t TocRecordSize(const YdTocNode& node);

}  // namespace ZEPHYRA_NAMESPACE
