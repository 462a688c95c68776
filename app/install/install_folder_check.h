// install_folder_check.h -- whether a folder may become the install folder,
// decided before anything is written (portable, pure): the wizard checks the
// text of its folder field, the unattended run the folder of the previous
// installation's record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

enum class FolderProblem {
  kNone,
  kEmpty,               // nothing but blanks
  kNotAbsolute,         // no drive letter, a drive-relative "C:dir", or a network path
  kDriveRoot,           // "C:\" or "C:" itself
  kForbiddenCharacter,  // < > : " | ? * or a control character in a name
  kBadNameEnd,          // a folder name ending in a dot or a blank
  kDeviceName,          // CON, PRN, AUX, NUL, COM1-9, LPT1-9, with any extension
  kTooLong,             // a payload path inside it would pass the path limit
  kNoSuchDrive,         // the drive letter names no drive of this machine
};

// Longest full path the system's file functions take without "\\?\"
// (MAX_PATH less the terminating zero).
constexpr size_t kMaxFullPathUnits = 259;

// The first problem of `folder` in the order above. `longest_payload_path`
// is the longest path of the payload relative to the folder (0 when
// unknown: a one-character name must fit); `drive_mask` has bit n set when drive 'A' + n exists, as
// GetLogicalDrives reports. Trailing separators are allowed, and so are
// doubled ones (the folder dialog gives "D:\\WiFi" for a drive root).
FolderProblem CheckInstallFolder(const std::wstring& folder, size_t longest_payload_path, uint32_t drive_mask);

// The message shown for a problem (empty for kNone), and its name for the
// install log.
const wchar_t* FolderProblemMessage(FolderProblem problem);
const char* FolderProblemName(FolderProblem problem);

}  // namespace ZEPHYRA_NAMESPACE
