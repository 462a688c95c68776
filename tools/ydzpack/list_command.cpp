// list_command.cpp -- `ydzpack list <archive>`: one line per entry.
#include <cinttypes>
#include <cstdio>
#include <string>

#include "archive/toc_reader.h"
#include "archive/ydz_format.h"
#include "common/utf.h"
#include "tools/ydzpack/archive_file.h"
#include "tools/ydzpack/commands.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

const char* TypeName(int type) {
  switch (type) {
    case kTocDirectory: return "dir";
    case kTocFile: return "file";
    case kTocAccounted: return "acct";
    case kTocInline: return "inline";
    default: return "?";
  }
}

void ListNode(const YdTocNode& node, const std::u16string& prefix) {
  for (const auto& child : node.children) {
    const std::u16string path = prefix.empty() ? child->name : prefix + u"\\" + child->name;
    std::printf("%-6s %08" PRIX32 " %12" PRIu64 " %12" PRIu64 " %4u  %s\n", TypeName(child->type), child->attributes,
                child->decodedSize, child->storedSize, static_cast<unsigned>(child->converter),
                Utf16ToUtf8(path).c_str());
    if (child->type == kTocDirectory) ListNode(*child, path);
  }
}

}  // namespace

int RunList(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: ydzpack list <archive>\n");
    return kExitUsage;
  }
  ArchiveFile archive;
  YdTocNode root;
  const int loaded = LoadArchiveAndToc(args[0], archive, root);
  if (loaded != kExitOk) return loaded;
  std::printf("%-6s %-8s %12s %12s %4s  %s\n", "type", "attrs", "decoded", "stored", "conv", "path");
  ListNode(root, u"");
  return kExitOk;
}

}  // namespace ZEPHYRA_NAMESPACE
