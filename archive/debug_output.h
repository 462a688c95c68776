// debug_output.h -- diagnostics for a debugger (OutputDebugStringW on
// Windows; nothing on other platforms).
#pragma once

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

void WriteDebugMessage(const std::u16string& message);

}  // namespace ZEPHYRA_NAMESPACE
