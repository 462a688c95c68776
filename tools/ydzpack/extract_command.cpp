// extract_command.cpp -- `ydzpack extract <archive> <folder>`: writes the
// archive's tree with the setup's own unpacker.
#include <cstdio>
#include <cstring>
#include <string>

#include "archive/res_unpacker.h"
#include "archive/ydz_format.h"
#include "common/utf.h"
#include "tools/ydzpack/archive_file.h"
#include "tools/ydzpack/commands.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ZEPHYRA_NAMESPACE {
namespace {

std::string SystemErrorText(int error) {
#ifdef _WIN32
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string wide = length != 0 ? ToUtf16(std::wstring_view(text, length)) : u"";
  if (text != nullptr) ::LocalFree(text);
  while (!wide.empty() && (wide.back() == u'\n' || wide.back() == u'\r' || wide.back() == u'.')) wide.pop_back();
  return Utf16ToUtf8(wide);
#else
  if (error == kYdErrorAlreadyExists) return "already exists";  // a Windows number, used on every platform
  return std::strerror(error);
#endif
}

// Remembers the first error record and the entry being extracted; every
// error aborts, as in the setup.
class CliProgress : public YdCompressProgress {
 public:
  void OnEntryBegin(const YdTocNode& node) override { current = &node; }
  bool OnError(const YdErrorRecord& error) override {
    if (!has_error) {
      has_error = true;
      record = error;
      if (error.path != nullptr) path = *error.path;
    }
    return false;
  }

  const YdTocNode* current = nullptr;
  bool has_error = false;
  YdErrorRecord record;
  std::u16string path;
};

}  // namespace

int RunExtract(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: ydzpack extract <archive> <folder>\n");
    return kExitUsage;
  }
  ArchiveFile archive;
  if (!archive.Load(args[0])) {
    std::fprintf(stderr, "ydzpack: cannot read %s\n", args[0].c_str());
    return kExitUsage;
  }
  CliProgress progress;
  YdResUnpacker unpacker;
  unpacker.SetProgress(&progress);
  if (!unpacker.OpenMemory(archive.data(), archive.size())) {
    YdTocNode root;
    PrintTocFailure(ReadArchiveToc(archive.data(), archive.size(), root));
    return kExitBadArchive;
  }
  if (unpacker.Unpack(Utf8ToUtf16(args[1]))) return kExitOk;

  if (progress.has_error) {
    std::fprintf(stderr, "ydzpack: error 0x%08X at %s: system error %d (%s)\n",
                 static_cast<unsigned>(progress.record.code), Utf16ToUtf8(progress.path).c_str(),
                 progress.record.systemError, SystemErrorText(progress.record.systemError).c_str());
    return kExitFileSystem;
  }
  const std::string where = progress.current ? Utf16ToUtf8(progress.current->fullPath) : args[1];
  if (progress.current != nullptr && progress.current->type == kTocDirectory) {
    std::fprintf(stderr, "ydzpack: a file stands where the directory %s is to be created\n", where.c_str());
    return kExitFileSystem;
  }
  std::fprintf(stderr, "ydzpack: entry %s cannot be decoded (corrupt or truncated stream, or unknown converter)\n",
               where.c_str());
  return kExitBadArchive;
}

}  // namespace ZEPHYRA_NAMESPACE
