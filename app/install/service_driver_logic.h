// service_driver_logic.h -- the command lines of the core service step and the
// NAT driver step for a Windows version and processor width (portable, pure).
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

struct WindowsPlatform {
  int majorVersion = 6;  // low byte of the packed version number
  bool is64bit = false;  // x64 or Itanium processor
};

// The service executable installs itself: quoted DIR\ydcoresrv.exe, " -i".
// Quoted so that a directory with blanks cannot make process creation start
// another program.
std::wstring CoreServiceCommandLine(const std::wstring& install_dir);

// The snetcfg command lines, in the order they run: one from Windows 6 on
// (tool and driver file of the processor's width), two on 32-bit XP
// (miniport, then protocol), none on 64-bit XP.
std::vector<std::wstring> NatDriverCommandLines(const std::wstring& install_dir, const WindowsPlatform& platform);

}  // namespace ZEPHYRA_NAMESPACE
