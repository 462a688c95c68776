// shortcut_step.h -- the shortcut step: shell links on the desktop and in a
// product folder of the Start menu's programs.
#pragma once

#ifdef _WIN32

#include <string>

#include "app/install/install_job.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// The desktop link (when chosen) and the three program links; each failure
// stays with its link. Always true.
bool CreateShortcuts(const InstallJob& job);

// A link named `link_name` in the special folder `special_folder` (a CSIDL)
// and its `sub_folder` (may be empty); the target supplies the icon.
bool CreateFolderShortcut(const std::wstring& description, int special_folder, const std::wstring& target,
                          const std::wstring& arguments, const std::wstring& link_name,
                          const std::wstring& sub_folder);

// Writes a link file at `link_path` (".lnk" added when missing), creating
// missing directories and replacing an existing file. An empty `icon_path`
// means the target supplies the icon. The thread must be in a COM apartment.
bool CreateShellLink(const std::wstring& description, const std::wstring& icon_path, const std::wstring& target,
                     const std::wstring& arguments, const std::wstring& link_path);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
