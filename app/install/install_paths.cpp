// install_paths.cpp -- path text shared by the plans of the install steps.
#include "app/install/install_paths.h"

namespace ZEPHYRA_NAMESPACE {

std::wstring StripTrailingSeparators(std::wstring path) {
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

std::wstring InstallDirText(const std::wstring& install_dir) { return StripTrailingSeparators(install_dir); }

std::wstring InstallFilePath(const std::wstring& install_dir, const std::wstring& name) {
  return InstallDirText(install_dir) + L"\\" + name;
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

}  // namespace ZEPHYRA_NAMESPACE
