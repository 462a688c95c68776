// archive_resource.h -- finds the archive resource ("ZIP", id) in the
// running module. Only Windows executables carry one.
#pragma once

#include <cstdint>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// On success the bytes stay mapped for the life of the process. On failure
// *error holds the system error.
bool LocateArchiveResource(int id, const uint8_t** data, uint64_t* size, int* error);

}  // namespace ZEPHYRA_NAMESPACE
