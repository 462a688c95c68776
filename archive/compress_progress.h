// compress_progress.h -- the progress object of an extraction: percentages,
// per-entry notifications, error records it answers with continue or abort,
// the pause event and the cancel flag.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "archive/pause_event.h"
#include "archive/yd_toc_node.h"

namespace ZEPHYRA_NAMESPACE {

// One error, built on the stack for the OnError call only. File errors carry
// the path concerned and the system error; format errors carry their two
// detail numbers instead.
struct YdErrorRecord {
  int code = 0;
  const std::u16string* path = nullptr;  // file errors; null for format errors
  int detail1 = 0;                       // format errors
  int systemError = 0;                  // file errors: system error; format errors: detail 2
};

class YdCompressProgress {
 public:
  YdCompressProgress();
  virtual ~YdCompressProgress();
  YdCompressProgress(const YdCompressProgress&) = delete;
  YdCompressProgress& operator=(const YdCompressProgress&) = delete;

  virtual void OnBegin() {}
  virtual void OnEntryBegin(const YdTocNode& /*node*/) {}
  // Both percentages count stored bytes; 100 when the denominator is 0.
  virtual void OnPercent(double /*overall*/, double /*entry*/) {}
  virtual void OnEntryEnd(const YdTocNode& /*node*/) {}
  virtual void OnFinished(bool /*cancelled*/) {}
  // Pause (true) holds the extraction at its next progress report, pause
  // (false) lets it go on. Returns non-zero on success, else the system error.
  // Safe to call from any thread.
  virtual int Pause(bool pause);
  virtual bool IsCancelled() const { return cancelled_.load() != 0; }
  // True continues after the error, false aborts the extraction.
  virtual bool OnError(const YdErrorRecord& /*error*/) { return false; }

  // Milliseconds to sleep before each piece of input is decoded; -1 none.
  int delay() const { return delay_; }
  void set_delay(int milliseconds) { delay_ = milliseconds; }
  void SetCancelled(bool cancelled) { cancelled_.store(cancelled ? 1 : 0); }
  // Blocks while paused; called by the unpacker after every report.
  void WaitWhilePaused();

 private:
  int delay_ = -1;
  std::atomic<uint8_t> cancelled_{0};
  std::unique_ptr<YdPauseEvent> pause_event_;
};

}  // namespace ZEPHYRA_NAMESPACE
