// windows_platform.h -- the running system's Windows major version and
// processor width, as the install steps read them.
#pragma once

#ifdef _WIN32

#include "app/install/service_driver_logic.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Low byte of the packed version number.
int WindowsMajorVersion();
// The native processor is x64 or Itanium.
bool Is64BitWindows();
WindowsPlatform CurrentWindowsPlatform();

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
