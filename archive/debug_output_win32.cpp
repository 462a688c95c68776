// debug_output_win32.cpp -- diagnostics through the debugger output.
#include <windows.h>

#include "archive/debug_output.h"

namespace ZEPHYRA_NAMESPACE {

void WriteDebugMessage(const std::u16string& message) {
  ::OutputDebugStringW(reinterpret_cast<const wchar_t*>(message.c_str()));
}

}  // namespace ZEPHYRA_NAMESPACE
