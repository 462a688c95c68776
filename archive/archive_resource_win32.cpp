// archive_resource_win32.cpp -- the archive resource of the running module.
#include <windows.h>

#include "archive/archive_resource.h"

namespace ZEPHYRA_NAMESPACE {

bool LocateArchiveResource(int id, const uint8_t** data, uint64_t* size, int* error) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"ZIP");
  HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (bytes == nullptr) {
    *error = static_cast<int>(::GetLastError());
    return false;
  }
  *data = static_cast<const uint8_t*>(bytes);
  *size = ::SizeofResource(module, info);
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
