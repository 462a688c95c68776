// skin_resource_win32.h -- the bytes of a skin stored as a module resource.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// FindResourceW (module, name, type), LoadResource, LockResource: a copy of
// the resource's bytes, exactly its size; nothing when it is missing.
std::optional<std::string> ReadSkinResource(HMODULE module, const wchar_t* name, const wchar_t* type);

}  // namespace ZEPHYRA_NAMESPACE
