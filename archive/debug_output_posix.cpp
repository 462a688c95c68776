// debug_output_posix.cpp -- host programs have no debugger output channel.
#include "archive/debug_output.h"

namespace ZEPHYRA_NAMESPACE {

void WriteDebugMessage(const std::u16string&) {}

}  // namespace ZEPHYRA_NAMESPACE
