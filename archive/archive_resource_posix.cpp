// archive_resource_posix.cpp -- host programs carry no resources; the
// archive is opened from memory or from a file there.
#include <cerrno>

#include "archive/archive_resource.h"

namespace ZEPHYRA_NAMESPACE {

bool LocateArchiveResource(int, const uint8_t**, uint64_t*, int* error) {
  *error = ENOENT;
  return false;
}

}  // namespace ZEPHYRA_NAMESPACE
