// unpack_payload.h -- the unpack step: the payload archive of the running
// module (resource "ZIP" 110) written into the install directory.
#pragma once

#include "app/install/install_job.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdUnpakerProgress;

// Opens the archive resource and unpacks it into the job's install
// directory, reporting to `progress`. True only when the archive opened and
// every entry was written; false as well when a cancel was requested on
// `progress` before or during the extraction.
bool UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress);

}  // namespace ZEPHYRA_NAMESPACE
