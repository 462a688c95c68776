// shortcut_logic.h -- the product's shell links: which ones, where, and the
// settings each link file gets (portable, pure).
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Special folders (CSIDL values) the links go to.
constexpr int kDesktopFolder = 0;   // CSIDL_DESKTOP
constexpr int kProgramsFolder = 2;  // CSIDL_PROGRAMS

struct ShortcutPlan {
  int specialFolder = kProgramsFolder;
  std::wstring subFolder;  // empty: directly in the special folder
  std::wstring linkName;
  std::wstring target;
  std::wstring arguments;
  std::wstring description;
};

// The desktop link (when chosen), then the program, web page and uninstaller
// links of the programs folder, in the order they are made.
std::vector<ShortcutPlan> ShortcutPlans(const std::wstring& install_dir, bool desktop_shortcut);

// Folder path without trailing separators, "\", then the sub-folder (when
// not empty, normalised the same way) and "\" and the link name. Empty when
// `folder` is empty.
std::wstring FolderLinkPath(const std::wstring& folder, const std::wstring& sub_folder, const std::wstring& link_name);

// `file_name` with ".lnk" appended unless its text from the last "." is
// ".lnk" in any letter case.
std::wstring WithLinkExtension(const std::wstring& file_name);

// What one link file holds and where it is written, from the full paths of
// the target and of the link.
struct ShellLinkSettings {
  bool valid = false;       // false: empty target, link path or file name
  std::wstring target;
  std::wstring workingDir;  // the target's directory, with its trailing "\"
  std::wstring iconPath;    // the icon path, or the target when none given
  int iconIndex = 0;
  std::wstring arguments;
  std::wstring description;
  std::wstring linkDir;   // directory of the link file, no trailing "\"
  std::wstring linkFile;  // linkDir + "\" + name with the .lnk rule
};
ShellLinkSettings PlanShellLink(const std::wstring& description, const std::wstring& icon_path,
                                const std::wstring& full_target, const std::wstring& arguments,
                                const std::wstring& full_link_path);

}  // namespace ZEPHYRA_NAMESPACE
