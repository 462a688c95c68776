// unpack_payload.cpp -- the unpack step.
#include "app/worker/unpack_payload.h"

#include "app/worker/unpaker_progress.h"
#include "archive/res_unpacker.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Detaches the unpacker from the progress object before it is destroyed,
// whatever way the step ends.
class AttachedUnpacker {
 public:
  AttachedUnpacker(YdUnpakerProgress& progress, YdResUnpacker& unpacker) : progress_(progress) {
    progress_.AttachUnpacker(&unpacker);
  }
  ~AttachedUnpacker() { progress_.AttachUnpacker(nullptr); }
  AttachedUnpacker(const AttachedUnpacker&) = delete;
  AttachedUnpacker& operator=(const AttachedUnpacker&) = delete;

 private:
  YdUnpakerProgress& progress_;
};

}  // namespace

bool UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress) {
  YdResUnpacker unpacker;
  unpacker.SetProgress(&progress);
  AttachedUnpacker attached(progress, unpacker);
  if (progress.CancelRequested() || !unpacker.Open()) return false;
  const std::u16string target(job.install_dir.begin(), job.install_dir.end());
  const bool unpacked = unpacker.Unpack(target);
  // Unpack answers true for a cancel seen between top-level entries; the
  // payload is then incomplete.
  return unpacked && !progress.CancelRequested();
}

}  // namespace ZEPHYRA_NAMESPACE
