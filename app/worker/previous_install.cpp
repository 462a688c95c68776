// previous_install.cpp -- the pure part of the previous-installation lookup:
// the value's text and the uninstaller's directory.
#include "app/worker/previous_install.h"

namespace ZEPHYRA_NAMESPACE {

std::wstring UninstallStringFromValue(uint32_t type, const std::vector<uint8_t>& data) {
  if (type != kRegistryString && type != kRegistryExpandString) return std::wstring();
  std::wstring text;
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    const wchar_t unit = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0) return text;
    text.push_back(unit);
  }
  return std::wstring();  // no terminator within the data
}

std::wstring DirectoryOfUninstaller(const std::wstring& uninstall_string) {
  const size_t last = uninstall_string.rfind(L'\\');
  if (last == std::wstring::npos) return std::wstring();
  return uninstall_string.substr(0, last);
}

}  // namespace ZEPHYRA_NAMESPACE
