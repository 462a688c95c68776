// verify_command.cpp -- `ydzpack verify <archive>`: decodes every entry
// without writing and prints one line per bad entry.
#include <cinttypes>
#include <cstdio>
#include <string>

#include "archive/entry_verifier.h"
#include "archive/toc_reader.h"
#include "common/utf.h"
#include "tools/ydzpack/archive_file.h"
#include "tools/ydzpack/commands.h"

namespace ZEPHYRA_NAMESPACE {

int RunVerify(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: ydzpack verify <archive>\n");
    return kExitUsage;
  }
  ArchiveFile archive;
  YdTocNode root;
  const int loaded = LoadArchiveAndToc(args[0], archive, root);
  if (loaded != kExitOk) return loaded;
  // A size lie is known once the output passes the recorded size; stop there.
  const std::vector<YdEntryProblem> problems = VerifyArchiveEntries(archive.data(), root, 1);
  for (const YdEntryProblem& problem : problems) {
    std::printf("bad entry %s: %s (converter %d, %" PRIu64 " bytes decoded, %" PRIu64 " recorded)\n",
                Utf16ToUtf8(problem.path).c_str(), EntryFaultText(problem.fault), problem.converter,
                problem.decoded, problem.expected);
  }
  if (!problems.empty()) return kExitBadArchive;
  std::printf("ok\n");
  return kExitOk;
}

}  // namespace ZEPHYRA_NAMESPACE
