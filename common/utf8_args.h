// utf8_args.h -- the program's arguments (after the program name) as UTF-8,
// on Windows taken from the wide command line so that any path survives.
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace ZEPHYRA_NAMESPACE
