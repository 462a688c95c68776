// setup_entry.h -- the setup program's start-up sequence, called by WinMain
// (main.cpp) and by tests.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Restricts the DLL search of this process to the system folder, so that a
// DLL placed next to the downloaded setup is never loaded. False on systems
// without SetDefaultDllDirectories (before the KB2533623 update).
bool RestrictDllSearchToSystem();

// The whole run: DLL search restricted, the resource module set, the shadow
// class registered, the product's processes stopped (in unattended mode
// here; a shown wizard stops them right after its first frame, before it
// takes input), the single-instance test (a second setup shows
// "你已经启动了一个安装程序！" and returns 0), the default directory and the
// mode value, the wizard created, centred and shown (or kept hidden in
// unattended mode), the message loop. Returns the process exit code
// (SetupExitCode).
int RunSetup(HINSTANCE instance, const std::string& argument);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
