// shortcut_logic.cpp -- the product's shell links and their settings.
#include "app/install/shortcut_logic.h"

#include "app/install/install_paths.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

size_t LastSeparator(const std::wstring& path) { return path.find_last_of(L"\\/"); }

wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool EqualsIgnoringAsciiCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<ShortcutPlan> ShortcutPlans(const std::wstring& install_dir, bool desktop_shortcut) {
  const std::wstring product = InstallFilePath(install_dir, L"Zephyra.exe");
  std::vector<ShortcutPlan> plans;
  if (desktop_shortcut) plans.push_back({kDesktopFolder, L"", L"Zephyra", product, L"", L"Zephyra"});
  plans.push_back({kProgramsFolder, L"Zephyra", L"Zephyra", product, L"", L"Zephyra"});
  plans.push_back({kProgramsFolder, L"Zephyra", L"Zephyra\u5B98\u7F51",  // "官网", the web page
                   InstallFilePath(install_dir, L"Zephyra_WFP.url"), L"", L"Zephyra"});
  plans.push_back({kProgramsFolder, L"Zephyra", L"Zephyra\u5378\u8F7D",  // "卸载", uninstall
                   InstallFilePath(install_dir, L"uninst.exe"), L"", L"Zephyra"});
  return plans;
}

std::wstring FolderLinkPath(const std::wstring& folder, const std::wstring& sub_folder, const std::wstring& link_name) {
  if (folder.empty()) return L"";
  std::wstring path = StripTrailingSeparators(folder) + L"\\";
  if (!sub_folder.empty()) path = StripTrailingSeparators(path + sub_folder) + L"\\";
  return path + link_name;
}

std::wstring WithLinkExtension(const std::wstring& file_name) {
  const size_t dot = file_name.rfind(L'.');
  if (dot == std::wstring::npos || !EqualsIgnoringAsciiCase(file_name.substr(dot), L".lnk")) {
    return file_name + L".lnk";
  }
  return file_name;
}

ShellLinkSettings PlanShellLink(const std::wstring& description, const std::wstring& icon_path,
                                const std::wstring& full_target, const std::wstring& arguments,
                                const std::wstring& full_link_path) {
  ShellLinkSettings settings;
  if (full_target.empty() || full_link_path.empty()) return settings;
  const size_t target_sep = LastSeparator(full_target);
  const size_t link_sep = LastSeparator(full_link_path);
  if (target_sep == std::wstring::npos || link_sep == std::wstring::npos) return settings;
  const std::wstring file_name = full_link_path.substr(link_sep + 1);
  if (file_name.empty()) return settings;
  settings.linkDir = StripTrailingSeparators(full_link_path.substr(0, link_sep));
  if (settings.linkDir.empty()) return settings;

  settings.valid = true;
  settings.target = full_target;
  settings.workingDir = full_target.substr(0, target_sep + 1);
  settings.iconPath = icon_path.empty() ? full_target : icon_path;
  settings.arguments = arguments;
  settings.description = description;
  settings.linkFile = settings.linkDir + L"\\" + WithLinkExtension(file_name);
  return settings;
}

}  // namespace ZEPHYRA_NAMESPACE
