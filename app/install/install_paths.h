// install_paths.h -- path text shared by the plans of the install steps
// (portable, pure functions).
#pragma once

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// `path` without trailing "\" and "/" characters.
std::wstring StripTrailingSeparators(std::wstring path);

// The install directory as the steps write it: without trailing separators.
std::wstring InstallDirText(const std::wstring& install_dir);

// DIR + "\" + `name`.
std::wstring InstallFilePath(const std::wstring& install_dir, const std::wstring& name);

// `text` between quotation marks.
std::wstring Quoted(const std::wstring& text);

}  // namespace ZEPHYRA_NAMESPACE
