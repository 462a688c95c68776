// ydzpack_exit.h -- the exit codes of ydzpack. Build scripts read them:
// numbers are never reused.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

enum YdzpackExit : int {
  kExitOk = 0,
  kExitBadArchive = 1,  // malformed archive, bad entry or a name an archive cannot hold
  kExitUsage = 2,       // usage or I/O problem
  kExitFileSystem = 3,  // extraction stopped on a file-system error
};

}  // namespace ZEPHYRA_NAMESPACE
