// launch_step.h -- reporting the installation and starting the product.
#pragma once

#ifdef _WIN32

#include <string>

#include "app/install/launch_logic.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Starts one plan through the shell's execute-with-info ("open", no working
// directory, no error dialog); true when the shell started it. The process
// is not waited on.
bool ShellStart(const LaunchPlan& plan);

// Makes `install_dir` the current directory and starts the product with
// "-setup", shown; true when the shell started it.
bool LaunchProduct(const std::wstring& install_dir);
// The reporter with INSTALL, then pkrep.exe "install"; results ignored.
void ReportInstall(const std::wstring& install_dir);
// False without starting anything when `install_dir` is not an existing
// directory; otherwise starts the reporter with AutoUpdInstall and pkrep.exe
// "AutoUpdInstall" and returns true.
bool ReportAutoUpdateInstall(const std::wstring& install_dir);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
