// debug_output_win32.cpp -- diagnostics through the debugger output.
#include <windows.h>

#include "archive/debug_output.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {

void WriteDebugMessage(const std::u16string& message) {
  ::OutputDebugStringW(WideCStr(message));
}

}  // namespace ZEPHYRA_NAMESPACE
