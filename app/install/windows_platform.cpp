// windows_platform.cpp -- Windows major version and processor width.
#include "app/install/windows_platform.h"

#include <windows.h>

namespace ZEPHYRA_NAMESPACE {

int WindowsMajorVersion() {
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
  const DWORD version = ::GetVersion();
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
  return LOBYTE(LOWORD(version));
}

bool Is64BitWindows() {
  SYSTEM_INFO info{};
  ::GetNativeSystemInfo(&info);
  return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
         info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64;
}

WindowsPlatform CurrentWindowsPlatform() { return {WindowsMajorVersion(), Is64BitWindows()}; }

}  // namespace ZEPHYRA_NAMESPACE
