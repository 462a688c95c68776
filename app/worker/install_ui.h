// install_ui.h -- what the install thread asks of the window that shows the
// installation. The wizard implements it; tests record the calls.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Every operation is called on the install thread. The wizard must not touch
// its controls there: it posts a message to its own window for each call and
// carries the call out on the UI thread, in the order the calls were made.
class IInstallUi {
 public:
  virtual ~IInstallUi() = default;

  // Steps 1..13 switch the progress ring's image (RingImageForStep); any
  // other step (the thread passes kCompletionStep) sets the completion text
  // and starts the completion animation. When that animation has ended
  // (notification 34) the wizard calls YdInstallWorker::CompletionAnimationEnded.
  virtual void ShowInstallStep(unsigned step) = 0;

  // The payload could not be extracted: nothing else was done. The wizard
  // sets the caption to kInstallFailedText, explains it in a message dialog
  // (interactive mode only) and then closes itself without asking; the
  // worker's state is already Finished.
  virtual void ShowInstallFailed() = 0;

  // The installation is done (reported and launched) and the state is
  // Finished: close the window without asking.
  virtual void RequestClose() = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
