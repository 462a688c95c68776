// shortcut_step.cpp -- creates the product's shell links.
#include "app/install/shortcut_step.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "app/install/install_paths.h"
#include "app/install/shortcut_logic.h"
#include "common/scoped_com.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

constexpr DWORD kMaxFullPath = 520;  // 519 characters and the terminating zero

bool FullPath(const std::wstring& path, std::wstring* full) {
  std::vector<wchar_t> buffer(kMaxFullPath);
  const DWORD length = ::GetFullPathNameW(path.c_str(), kMaxFullPath, buffer.data(), nullptr);
  if (length == 0 || length >= kMaxFullPath) return false;
  full->assign(buffer.data(), length);
  return true;
}

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Creates `dir` and every missing parent; true when it then is a directory.
bool EnsureDirectory(const std::wstring& dir) {
  if (dir.empty()) return false;
  if (IsDirectory(dir)) return true;
  const size_t sep = dir.find_last_of(L"\\/");
  if (sep != std::wstring::npos && sep > 0) {
    const std::wstring parent = StripTrailingSeparators(dir.substr(0, sep));
    // A drive root ("C:") or a UNC share has no parent worth creating.
    if (!parent.empty() && parent.back() != L':') EnsureDirectory(parent);
  }
  ::CreateDirectoryW(dir.c_str(), nullptr);
  return IsDirectory(dir);
}

}  // namespace

bool CreateShellLink(const std::wstring& description, const std::wstring& icon_path, const std::wstring& target,
                     const std::wstring& arguments, const std::wstring& link_path) {
  if (target.empty() || link_path.empty()) return false;
  std::wstring full_target;
  std::wstring full_link;
  if (!FullPath(target, &full_target) || !FullPath(link_path, &full_link)) return false;
  const ShellLinkSettings plan = PlanShellLink(description, icon_path, full_target, arguments, full_link);
  if (!plan.valid || !EnsureDirectory(plan.linkDir)) return false;

  ScopedComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.ReceiveVoid()))) {
    return false;
  }
  ScopedComPtr<IPersistFile> file;
  if (FAILED(link.QueryInto(IID_IPersistFile, &file))) return false;

  link->SetPath(plan.target.c_str());
  link->SetWorkingDirectory(plan.workingDir.c_str());
  link->SetIconLocation(plan.iconPath.c_str(), plan.iconIndex);
  link->SetArguments(plan.arguments.c_str());
  link->SetDescription(plan.description.c_str());

  if (::GetFileAttributesW(plan.linkFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
    ::DeleteFileW(plan.linkFile.c_str());
  }
  return SUCCEEDED(file->Save(plan.linkFile.c_str(), TRUE));
}

bool CreateFolderShortcut(const std::wstring& description, int special_folder, const std::wstring& target,
                          const std::wstring& arguments, const std::wstring& link_name,
                          const std::wstring& sub_folder) {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, special_folder, nullptr, SHGFP_TYPE_CURRENT, folder)) || !folder[0]) {
    return false;
  }
  return CreateShellLink(description, L"", target, arguments, FolderLinkPath(folder, sub_folder, link_name));
}

bool CreateShortcuts(const InstallJob& job) {
  ScopedComApartment apartment(COINIT_APARTMENTTHREADED);
  for (const auto& plan : ShortcutPlans(job.installDir, job.desktopShortcut)) {
    CreateFolderShortcut(plan.description, plan.specialFolder, plan.target, plan.arguments, plan.linkName,
                         plan.subFolder);
  }
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
