// ydz_format.h -- constants of the YDZ packed archive: header, record sizes,
// limits and the error codes the archive reports.
#pragma once

#include <cstdint>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

constexpr uint32_t kYdzHeaderSize = 8;
constexpr uint8_t kYdzMaxVersion = 1;
// Entry records: 12 bytes before the name, 50 after it.
constexpr uint32_t kEntryHeadSize = 12;
constexpr uint32_t kEntryTailSize = 50;
// Inline records: 8 bytes before the name, a 4-byte data length after it.
constexpr uint32_t kInlineHeadSize = 8;
constexpr uint32_t kInlineMaxData = 4096;
// Directories nested deeper than this are rejected, so that a crafted table
// cannot exhaust the stack of the recursive parser.
constexpr int kMaxTocDepth = 64;

// Error codes of the archive (file errors and format errors).
enum YdArchiveError : int {
  kErrCreateFile = 0x10000001,
  kErrNoResource = 0x10000002,
  kErrTargetOrWrite = 0x10000003,
  kErrDeleteFile = 0x10000004,
  kErrFormat = 0x30000001,
};

// Details of kErrFormat.
enum YdFormatDetail : int {
  kDetailUnsupportedVersion = 3,
  kDetailInvalidTable = 8,
};

}  // namespace ZEPHYRA_NAMESPACE
