// archive_file.cpp -- archive files for the tools.
#include "tools/ydzpack/archive_file.h"

#include <cstdio>

#include "archive/ydz_format.h"
#include "tools/ydzpack/commands.h"
#include "tools/ydzpack/source_tree.h"

namespace ZEPHYRA_NAMESPACE {

bool ArchiveFile::Load(const std::string& path) { return ReadWholeFile(std::filesystem::u8path(path), bytes_); }

void PrintTocFailure(const TocReadResult& result) {
  switch (result.status) {
    case TocStatus::kTooShort:
      std::fprintf(stderr, "ydzpack: not an archive: shorter than the %u-byte header\n", kYdzHeaderSize);
      break;
    case TocStatus::kTableTruncated:
      std::fprintf(stderr, "ydzpack: not an archive: the table of contents runs past the end of the file\n");
      break;
    default:
      std::fprintf(stderr, "ydzpack: format error 0x%08X detail %d\n", static_cast<unsigned>(kErrFormat),
                   result.FormatDetail());
      break;
  }
}

int LoadArchiveAndToc(const std::string& path, ArchiveFile& archive, YdTocNode& root) {
  if (!archive.Load(path)) {
    std::fprintf(stderr, "ydzpack: cannot read %s\n", path.c_str());
    return kExitUsage;
  }
  const TocReadResult result = ReadArchiveToc(archive.data(), archive.size(), root);
  if (!result.ok()) {
    PrintTocFailure(result);
    return kExitBadArchive;
  }
  return kExitOk;
}

}  // namespace ZEPHYRA_NAMESPACE
