// unpaker_progress.h -- YdUnpakerProgress: the installer's progress object
// for the payload extraction. It turns overall percentages into ring steps,
// holds the extraction while the install is paused and passes a cancel on
// to the unpacker it is attached to.
#pragma once

#include <atomic>

#include "archive/compress_progress.h"
#include "common/threading.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class IInstallUi;
class YdResUnpacker;

class YdUnpakerProgress : public YdCompressProgress {
 public:
  // `owner` (not owned, may be null) receives the ring steps.
  explicit YdUnpakerProgress(IInstallUi* owner);
  ~YdUnpakerProgress() override;

  // Ring steps for the overall percentage (InstallStepsForPercent): the
  // ten-percent band 1..9, then 10 at 99 % or more. A cancel requested
  // earlier is passed on to the attached unpacker here, so a cancel that
  // arrived before the unpacker cleared its flags still stops it.
  void OnPercent(double overall, double entry) override;
  // Writes the error to the install log (code, path, system error and its
  // text) and aborts the extraction.
  bool OnError(const YdErrorRecord& error) override;

  // The unpacker the extraction runs on (null to detach). Called on the
  // install thread around Open and Unpack.
  void AttachUnpacker(YdResUnpacker* unpacker);
  // Any thread: cancels the attached unpacker (now and at its next report)
  // and lets a paused extraction go on so that it can see the cancel.
  void RequestCancel();
  bool CancelRequested() const { return cancel_requested_.load(); }

 private:
  IInstallUi* owner_;
  std::atomic<bool> cancel_requested_{false};
  YdMutex unpacker_lock_;
  YdResUnpacker* unpacker_ = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE
