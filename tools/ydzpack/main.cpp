// main.cpp -- ydzpack: packs a folder into the setup's archive format, lists,
// extracts and verifies archives.
#include <cstdio>
#include <string>
#include <vector>

#include "common/utf8_args.h"
#include "tools/ydzpack/commands.h"

int main(int argc, char** argv) {
  using namespace ZEPHYRA_NAMESPACE;
  std::vector<std::string> args = Utf8Arguments(argc, argv);
  if (!args.empty()) {
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "pack") return RunPack(args);
    if (command == "list") return RunList(args);
    if (command == "extract") return RunExtract(args);
    if (command == "verify") return RunVerify(args);
  }
  std::fprintf(stderr,
               "usage: ydzpack pack <folder> <archive> [--level 0-9] [--store]\n"
               "       ydzpack list <archive>\n"
               "       ydzpack extract <archive> <folder>\n"
               "       ydzpack verify <archive>\n");
  return kExitUsage;
}
