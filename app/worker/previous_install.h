// previous_install.h -- finding the directory of a previous installation
// from its uninstall record, for the unattended install.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Registry value types as the registry reports them.
constexpr uint32_t kRegistryString = 1;          // REG_SZ
constexpr uint32_t kRegistryExpandString = 2;    // REG_EXPAND_SZ
// Longest "UninstallString" read, in UTF-16 units with the terminator.
constexpr size_t kMaxUninstallStringUnits = 32768;

// The text of a "UninstallString" value: the UTF-16 units before the first
// zero. A value of another type, or one without a terminating zero within
// its data, counts as empty.
std::wstring UninstallStringFromValue(uint32_t type, const std::vector<uint8_t>& data);

// The directory of the uninstaller named by `uninstall_string`: the text up
// to its last "\", without that "\". "C:\Zephyra\uninst.exe" gives
// "C:\Zephyra"; a text without "\" gives the empty string.
std::wstring DirectoryOfUninstaller(const std::wstring& uninstall_string);

#ifdef _WIN32
// Reads "UninstallString" from HKLM's uninstall key of the product, or from
// the older "Zephyra_WFP" key when the first cannot be opened. True, with
// `*dir` set, when the uninstaller's directory exists as a directory;
// `*dir` is untouched otherwise.
bool FindPreviousInstallDir(std::wstring* dir);
#endif

}  // namespace ZEPHYRA_NAMESPACE
