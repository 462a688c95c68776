// source_tree.h -- reads a folder of the packing machine: children in a
// fixed order, file contents, attributes and times.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive_writer.h"

namespace ZEPHYRA_NAMESPACE {

struct SourceEntry {
  std::filesystem::path path;
  std::u16string name;
  bool isDirectory = false;
  uint32_t attributes = 0;  // 0x10 directory, 0x20 file, +0x01 when read-only
  YdEntryTimes times;
};

// Children of `folder`, sorted by their UTF-16 names. False on an I/O error
// (described in `error`).
bool ListSourceFolder(const std::filesystem::path& folder, std::vector<SourceEntry>& entries, std::string& error);

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& content);
bool WriteWholeFile(const std::filesystem::path& path, const std::vector<uint8_t>& content);

// FILETIME of a Unix time in seconds.
constexpr YdFileTime FileTimeFromUnix(int64_t seconds) {
  return static_cast<YdFileTime>(seconds * 10000000 + 116444736000000000LL);
}

}  // namespace ZEPHYRA_NAMESPACE
