// unpaker_progress.cpp -- the installer's progress object.
#include "app/worker/unpaker_progress.h"

#include "app/worker/install_ui.h"
#include "archive/progress_math.h"
#include "archive/res_unpacker.h"

namespace ZEPHYRA_NAMESPACE {

YdUnpakerProgress::YdUnpakerProgress(IInstallUi* owner) : owner_(owner) {}

YdUnpakerProgress::~YdUnpakerProgress() = default;

void YdUnpakerProgress::OnPercent(double overall, double /*entry*/) {
  if (owner_ != nullptr) {
    for (int step : InstallStepsForPercent(overall)) owner_->ShowInstallStep(static_cast<unsigned>(step));
  }
  if (cancel_requested_.load()) {
    std::lock_guard<std::mutex> hold(unpacker_lock_);
    if (unpacker_ != nullptr) unpacker_->Cancel();
  }
}

void YdUnpakerProgress::AttachUnpacker(YdResUnpacker* unpacker) {
  std::lock_guard<std::mutex> hold(unpacker_lock_);
  unpacker_ = unpacker;
}

void YdUnpakerProgress::RequestCancel() {
  cancel_requested_.store(true);
  SetCancelled(true);
  {
    std::lock_guard<std::mutex> hold(unpacker_lock_);
    if (unpacker_ != nullptr) unpacker_->Cancel();
  }
  Pause(false);
}

}  // namespace ZEPHYRA_NAMESPACE
