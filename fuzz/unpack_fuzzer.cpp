// unpack_fuzzer.cpp -- fuzz entry point: arbitrary bytes opened as an archive,
// extracted into the in-memory file system and verified. Every path the
// extraction creates must lie inside the target, and no file may stay open.
#include <cstddef>
#include <cstdint>

#include "archive/entry_verifier.h"
#include "archive/memory_file_system.h"
#include "archive/res_unpacker.h"

namespace {

using namespace ZEPHYRA_NAMESPACE;

// Answers every error with "continue" on odd inputs, so both error flows run.
class FuzzProgress : public YdCompressProgress {
 public:
  explicit FuzzProgress(bool go_on) : go_on_(go_on) {}
  bool OnError(const YdErrorRecord&) override { return go_on_; }

 private:
  bool go_on_;
};

// The path is "T" or "T" + separator + components, none of them empty, "."
// or "..", none holding the other platform's separator.
bool InsideTarget(const std::u16string& path) {
  if (path == u"T") return true;
  const std::u16string prefix = std::u16string(u"T") + kYdPathSeparator;
  if (path.compare(0, prefix.size(), prefix) != 0) return false;
  size_t start = prefix.size();
  for (;;) {
    const size_t end = path.find(kYdPathSeparator, start);
    const std::u16string part = path.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
    if (part.empty() || part == u"." || part == u".." || part.find_first_of(u"\\/") != std::u16string::npos) {
      return false;
    }
    if (end == std::u16string::npos) return true;
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  YdMemoryFileSystem file_system;
  FuzzProgress progress(size % 2 == 1);
  YdResUnpacker unpacker(&file_system);
  unpacker.SetProgress(&progress);
  if (!unpacker.OpenMemory(data, size)) return 0;
  unpacker.Unpack(u"T");
  for (const auto& entry : file_system.nodes()) {
    if (!InsideTarget(entry.first)) __builtin_trap();
  }
  if (file_system.open_files() != 0) __builtin_trap();
  VerifyArchiveEntries(unpacker.ArchiveData(), unpacker.Root(), 1);
  return 0;
}
