// archive_file.h -- an archive file read into memory for the tools, and the
// messages for archives that cannot be opened.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/toc_reader.h"

namespace ZEPHYRA_NAMESPACE {

class ArchiveFile {
 public:
  bool Load(const std::string& path);
  const uint8_t* data() const { return bytes_.data(); }
  uint64_t size() const { return bytes_.size(); }

 private:
  std::vector<uint8_t> bytes_;
};

// Prints why the table of contents could not be read, naming the format
// error code and detail when the failure is a reported one.
void PrintTocFailure(const TocReadResult& result);

// Loads the archive at `path` and reads its table of contents into `root`,
// printing what went wrong. Returns the exit code: kExitOk, kExitUsage when
// the file cannot be read, kExitBadArchive when the table is malformed.
int LoadArchiveAndToc(const std::string& path, ArchiveFile& archive, YdTocNode& root);

}  // namespace ZEPHYRA_NAMESPACE
