// entry_verifier.h -- decodes every file entry of an opened archive without
// writing anything: each zlib stream must decode completely (its Adler-32
// trailer included) and every decoded length must equal the recorded
// decoded size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/yd_toc_node.h"

namespace ZEPHYRA_NAMESPACE {

enum class YdEntryFault {
  kNoConverter,   // no converter is registered for the entry's identifier
  kStreamError,   // corrupt, truncated or followed by extra bytes
  kSizeMismatch,  // decodes, but to a length other than the recorded one
};

struct YdEntryProblem {
  std::u16string path;  // components joined with '\\', relative to the root
  YdEntryFault fault = YdEntryFault::kStreamError;
  int converter = 0;
  uint64_t decoded = 0;   // bytes produced before the fault or in total
  uint64_t expected = 0;  // recorded decoded size
};

// Checks every entry of type 1 under `root` (as parsed from `archive`).
// `decoded_limit` stops decoding an entry once it has produced more than
// that many bytes beyond its recorded size (a size lie), to bound the work.
std::vector<YdEntryProblem> VerifyArchiveEntries(const uint8_t* archive, const YdTocNode& root,
                                                 uint64_t decoded_limit = UINT64_MAX);

const char* EntryFaultText(YdEntryFault fault);

}  // namespace ZEPHYRA_NAMESPACE
