// commands.h -- the sub-commands of ydzpack. Each returns the process exit code.
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "tools/ydzpack/ydzpack_exit.h"

namespace ZEPHYRA_NAMESPACE {

int RunPack(const std::vector<std::string>& args);
int RunList(const std::vector<std::string>& args);
int RunExtract(const std::vector<std::string>& args);
int RunVerify(const std::vector<std::string>& args);

}  // namespace ZEPHYRA_NAMESPACE
