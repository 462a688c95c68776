// unpack_test_util.h -- a progress object that records every call, and a
// small sample archive, for the unpacker tests.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "archive/compress_progress.h"
#include "archive/ydz_format.h"
#include "tests/archive/archive_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace testing_util {

struct SeenError {
  int code = 0;
  bool hasPath = false;
  std::u16string path;
  int detail1 = 0;
  int systemError = 0;
};

class RecordingProgress : public YdCompressProgress {
 public:
  void OnBegin() override { Log("begin"); }
  void OnEntryBegin(const YdTocNode& node) override { Log("enter " + Name(node)); }
  void OnPercent(double overall, double entry) override {
    {
      std::lock_guard<std::mutex> lock(mutex);
      percents.emplace_back(overall, entry);
    }
    if (onPercent) onPercent(overall, entry);
  }
  void OnEntryEnd(const YdTocNode& node) override {
    Log("leave " + Name(node));
    if (onEntryEnd) onEntryEnd(node);
  }
  void OnFinished(bool cancelled) override { Log(cancelled ? "finished cancelled" : "finished"); }
  bool OnError(const YdErrorRecord& error) override {
    SeenError seen;
    seen.code = error.code;
    seen.hasPath = error.path != nullptr;
    if (error.path) seen.path = *error.path;
    seen.detail1 = error.detail1;
    seen.systemError = error.systemError;
    errors.push_back(seen);
    return answer;
  }

  size_t PercentCount() {
    std::lock_guard<std::mutex> lock(mutex);
    return percents.size();
  }
  bool Saw(const std::string& event) const {
    for (const auto& e : events) {
      if (e == event) return true;
    }
    return false;
  }

  std::mutex mutex;
  std::vector<std::string> events;
  std::vector<std::pair<double, double>> percents;
  std::vector<SeenError> errors;
  bool answer = false;
  std::function<void(double, double)> onPercent;
  std::function<void(const YdTocNode&)> onEntryEnd;

 private:
  static std::string Name(const YdTocNode& node) { return std::string(node.name.begin(), node.name.end()); }
  void Log(const std::string& event) {
    std::lock_guard<std::mutex> lock(mutex);
    events.push_back(event);
  }
};

inline YdEntryTimes SampleTimes(uint64_t base) {
  // 2020-01-01 and later, in FILETIME ticks.
  const uint64_t t = 132223104000000000ULL + base * 10000000ULL;
  return {t, t + 10000000ULL, t + 20000000ULL};
}

// A tree of the usual shapes: top-level files and directories, a nested
// directory, an empty file, a stored file, a read-only file.
//   a.txt (zlib), bin/ { tool.exe (zlib, 700 KB), empty.dat, lib/ { x.dll (stored) } },
//   readme.txt (read-only, zlib)
inline std::vector<uint8_t> SampleArchive() {
  YdArchiveWriter writer;
  YdTocNode& root = writer.Root();
  writer.AddFile(root, u"a.txt", 0x20, SampleTimes(1), Bytes("alpha file\n"), 1, 6);
  YdTocNode& bin = writer.AddDirectory(root, u"bin", 0x10, SampleTimes(2));
  writer.AddFile(bin, u"tool.exe", 0x20, SampleTimes(3), PatternBytes(700000, 7), 1, 6);
  writer.AddFile(bin, u"empty.dat", 0x20, SampleTimes(4), {}, 1, 6);
  YdTocNode& lib = writer.AddDirectory(bin, u"lib", 0x10, SampleTimes(5));
  writer.AddFile(lib, u"x.dll", 0x20, SampleTimes(6), PatternBytes(3000, 9), 0, 0);
  writer.AddFile(root, u"readme.txt", 0x21, SampleTimes(7), Bytes("read me\n"), 1, 6);
  return writer.Finish();
}

}  // namespace testing_util
}  // namespace ZEPHYRA_NAMESPACE
