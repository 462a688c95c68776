// compress_progress.cpp -- default behaviour of the progress object.
#include "archive/compress_progress.h"

namespace ZEPHYRA_NAMESPACE {

YdCompressProgress::YdCompressProgress() : pause_event_(new YdPauseEvent) {}
YdCompressProgress::~YdCompressProgress() = default;

int YdCompressProgress::Pause(bool pause) { return pause ? pause_event_->Reset() : pause_event_->Set(); }

void YdCompressProgress::WaitWhilePaused() { pause_event_->Wait(); }

}  // namespace ZEPHYRA_NAMESPACE
