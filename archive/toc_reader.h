// toc_reader.h -- parses the header and table of contents of a YDZ archive
// held in memory into a tree of YdTocNode.
#pragma once

#include <cstddef>
#include <cstdint>

#include "archive/yd_toc_node.h"

namespace ZEPHYRA_NAMESPACE {

enum class TocStatus {
  kOk,
  kTooShort,            // fewer than 8 bytes: fails without a report
  kUnsupportedVersion,  // reported as format error, detail 3
  kTableTruncated,      // table longer than the bytes after the header: no report
  kInvalidTable,        // reported as format error, detail 8
};

struct TocReadResult {
  TocStatus status = TocStatus::kInvalidTable;
  uint8_t version = 0;
  uint64_t totalStoredSize = 0;

  bool ok() const { return status == TocStatus::kOk; }
  // Format-error detail to report, or 0 when the failure is not reported.
  int FormatDetail() const;
};

// Reads the archive at [data, data + size) into `root` (which is cleared
// first). Every record is bounds-checked against the table, every entry's
// stored range must lie inside the archive, names must be single, safe path
// components and directories may nest at most kMaxTocDepth levels.
TocReadResult ReadArchiveToc(const uint8_t* data, uint64_t size, YdTocNode& root);

// Parses one record (and, for a directory, its descendants) at `cursor`
// within `table`, advancing the cursor. Exposed for tests.
bool ParseTocRecord(const uint8_t* table, size_t table_length, size_t& cursor,
                    YdTocNode& node, uint64_t archive_size, int depth);

// True for a name that can be written inside a target directory on Windows
// and POSIX alike: not empty, not "." or "..", no separators, colons or
// control characters, no trailing dot or blank, not a reserved device name.
bool IsSafeEntryName(const std::u16string& name);

}  // namespace ZEPHYRA_NAMESPACE
