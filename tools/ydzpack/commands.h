// commands.h -- the sub-commands of ydzpack. Each returns the process exit code.
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Exit codes of ydzpack; numbers are never reused.
enum YdzpackExit : int {
  kExitOk = 0,
  kExitBadArchive = 1,  // malformed archive, bad entry or a name an archive cannot hold
  kExitUsage = 2,       // usage or I/O problem
  kExitFileSystem = 3,  // extraction stopped on a file-system error
};

int RunPack(const std::vector<std::string>& args);
int RunList(const std::vector<std::string>& args);
int RunExtract(const std::vector<std::string>& args);
int RunVerify(const std::vector<std::string>& args);

}  // namespace ZEPHYRA_NAMESPACE
