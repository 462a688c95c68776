// pack_command.cpp -- `ydzpack pack <folder> <archive> [--level 0-9] [--store]`:
// writes a version-1 archive of the folder's tree.
#include <cstdio>
#include <string>

#include "archive/codec/compress_converter.h"
#include "archive/toc_reader.h"
#include "archive/ydz_format.h"
#include "common/utf.h"
#include "tools/ydzpack/commands.h"
#include "tools/ydzpack/source_tree.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

struct PackOptions {
  std::string folder, archive;
  int level = 9;
  int converter = kConverterZlib;
};

bool ParsePackOptions(const std::vector<std::string>& args, PackOptions& options) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--store") {
      options.converter = kConverterStored;
    } else if (args[i] == "--level" && i + 1 < args.size()) {
      const std::string& value = args[++i];
      if (value.size() != 1 || value[0] < '0' || value[0] > '9') return false;
      options.level = value[0] - '0';
    } else if (args[i].rfind("--", 0) == 0) {
      return false;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return false;
  options.folder = positional[0];
  options.archive = positional[1];
  return true;
}

// Adds the children of `folder` below `parent`; returns an exit code.
int AddFolder(YdArchiveWriter& writer, YdTocNode& parent, const std::filesystem::path& folder,
              const PackOptions& options, int depth) {
  std::vector<SourceEntry> entries;
  std::string error;
  if (!ListSourceFolder(folder, entries, error)) {
    std::fprintf(stderr, "ydzpack: %s\n", error.c_str());
    return kExitUsage;
  }
  // Entries of this folder stand at `depth` (the root's children at 1).
  if (!entries.empty() && depth > kMaxTocDepth) {
    std::fprintf(stderr, "ydzpack: folders nest deeper than %d levels at %s\n", kMaxTocDepth,
                 folder.string().c_str());
    return kExitBadArchive;
  }
  for (const SourceEntry& entry : entries) {
    if (!IsSafeEntryName(entry.name)) {
      std::fprintf(stderr, "ydzpack: an archive cannot hold the name \"%s\"\n", Utf16ToUtf8(entry.name).c_str());
      return kExitBadArchive;
    }
    if (entry.isDirectory) {
      YdTocNode& node = writer.AddDirectory(parent, entry.name, entry.attributes, entry.times);
      const int rc = AddFolder(writer, node, entry.path, options, depth + 1);
      if (rc != kExitOk) return rc;
      continue;
    }
    std::vector<uint8_t> content;
    if (!ReadWholeFile(entry.path, content)) {
      std::fprintf(stderr, "ydzpack: cannot read %s\n", entry.path.string().c_str());
      return kExitUsage;
    }
    if (!writer.AddFile(parent, entry.name, entry.attributes, entry.times, content, options.converter,
                        options.level)) {
      std::fprintf(stderr, "ydzpack: cannot encode %s\n", entry.path.string().c_str());
      return kExitUsage;
    }
  }
  return kExitOk;
}

}  // namespace

int RunPack(const std::vector<std::string>& args) {
  PackOptions options;
  if (!ParsePackOptions(args, options)) {
    std::fprintf(stderr, "usage: ydzpack pack <folder> <archive> [--level 0-9] [--store]\n");
    return kExitUsage;
  }
  const std::filesystem::path folder = std::filesystem::u8path(options.folder);
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    std::fprintf(stderr, "ydzpack: %s is not a folder\n", options.folder.c_str());
    return kExitUsage;
  }
  YdArchiveWriter writer;
  const int rc = AddFolder(writer, writer.Root(), folder, options, 1);
  if (rc != kExitOk) return rc;
  const std::vector<uint8_t> archive = writer.Finish(1);
  if (!WriteWholeFile(std::filesystem::u8path(options.archive), archive)) {
    std::fprintf(stderr, "ydzpack: cannot write %s\n", options.archive.c_str());
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace ZEPHYRA_NAMESPACE
