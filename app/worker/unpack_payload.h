// unpack_payload.h -- the unpack step: the payload archive of the running
// module (resource "ZIP" 110) written into the install directory as a staged
// replacement: the free space is checked first, files of a previous
// installation are moved aside, and any failure or cancel rolls everything
// back (install_log records each action).
#pragma once

#include <cstddef>

#include "app/install/install_job.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdUnpakerProgress;

// How a failed unpack step ended, beyond its result.
struct UnpackSummary {
  bool shortOfSpace = false;     // refused before anything was written
  bool restoredPrevious = false;  // files of a previous installation were put back
};

// Opens the archive resource and unpacks it into the job's install
// directory, reporting to `progress`. True only when the archive opened and
// every entry was written; false as well when a cancel was requested on
// `progress` before or during the extraction. On false nothing written
// stays and the previous files are back in place.
bool UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress, UnpackSummary* summary = nullptr);

// The longest path of the payload relative to the install folder; 0 when
// the running module carries no payload.
size_t LongestPayloadPath();

}  // namespace ZEPHYRA_NAMESPACE
