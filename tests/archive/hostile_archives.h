// hostile_archives.h -- a table of crafted archives: unsafe names in every
// form, broken tables, bad ranges, deep nesting, corrupt and lying streams.
// The unpacker tests run each through a full extraction; the fuzz corpus
// generator writes them out as seeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {
namespace testing_util {

enum class HostileOutcome {
  kRejectedAtOpen,  // the table is refused
  kExtracts,        // extraction succeeds, inside the target
  kFails,           // extraction stops with false, inside the target
};

struct HostileArchive {
  std::string name;  // also the corpus file name
  std::vector<uint8_t> bytes;
  HostileOutcome outcome;
};

std::vector<HostileArchive> MakeHostileArchives();

}  // namespace testing_util
}  // namespace ZEPHYRA_NAMESPACE
