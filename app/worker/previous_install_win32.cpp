// previous_install_win32.cpp -- the registry reader of the previous-
// installation lookup.
#include <windows.h>

#include "app/worker/previous_install.h"
#include "app/install/registration_logic.h"
#include "common/scoped_handle.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// The raw "UninstallString" value of an open key, read at its full size.
bool ReadUninstallValue(HKEY key, DWORD* type, std::vector<uint8_t>* data) {
  DWORD size = 0;
  if (::RegQueryValueExW(key, L"UninstallString", nullptr, type, nullptr, &size) != ERROR_SUCCESS) return false;
  if (size > kMaxUninstallStringUnits * sizeof(wchar_t)) return false;
  data->assign(size, 0);
  if (size == 0) return true;
  if (::RegQueryValueExW(key, L"UninstallString", nullptr, type, data->data(), &size) != ERROR_SUCCESS) return false;
  data->resize(size);
  return true;
}

}  // namespace

bool FindPreviousInstallDir(std::wstring* dir) {
  ScopedRegKey key;
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS &&
      ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallFallbackKey, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) {
    return false;
  }
  key.Set(raw);
  DWORD type = 0;
  std::vector<uint8_t> data;
  if (!ReadUninstallValue(key.Get(), &type, &data)) return false;
  const std::wstring found = DirectoryOfUninstaller(UninstallStringFromValue(type, data));
  if (found.empty()) return false;
  const DWORD attributes = ::GetFileAttributesW(found.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return false;
  *dir = found;
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
