// skin_resource_win32.cpp -- reading a skin resource.
#include "ui/skin/skin_resource_win32.h"

namespace ZEPHYRA_NAMESPACE {

std::optional<std::string> ReadSkinResource(HMODULE module, const wchar_t* name, const wchar_t* type) {
  // Resource memory belongs to the loaded module: there is nothing to free.
  HRSRC info = FindResourceW(module, name, type);
  if (!info) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, info);
  if (!loaded) return std::nullopt;
  const void* data = LockResource(loaded);
  const DWORD size = SizeofResource(module, info);
  if (!data && size != 0) return std::nullopt;
  return std::string(static_cast<const char*>(data), size);
}

}  // namespace ZEPHYRA_NAMESPACE
