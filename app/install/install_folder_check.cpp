// install_folder_check.cpp -- the install folder's rules.
#include "app/install/install_folder_check.h"

#include <algorithm>
#include <vector>

#include "archive/toc_reader.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

std::vector<std::wstring> NamesAfterDrive(const std::wstring& folder) {
  std::vector<std::wstring> names;
  std::wstring name;
  for (size_t i = 3; i <= folder.size(); ++i) {
    if (i == folder.size() || IsSeparator(folder[i])) {
      if (!name.empty()) names.push_back(name);
      name.clear();
    } else {
      name.push_back(folder[i]);
    }
  }
  return names;
}

bool HasForbiddenCharacter(const std::wstring& name) {
  for (wchar_t c : name) {
    if (c < 0x20 || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'|' || c == L'?' || c == L'*') {
      return true;
    }
  }
  return false;
}

}  // namespace

FolderProblem CheckInstallFolder(const std::wstring& folder, size_t longest_payload_path, uint32_t drive_mask) {
  if (folder.find_first_not_of(L' ') == std::wstring::npos) return FolderProblem::kEmpty;
  if (folder.size() < 2 || !IsDriveLetter(folder[0]) || folder[1] != L':') return FolderProblem::kNotAbsolute;
  if (folder.size() == 2) return FolderProblem::kDriveRoot;
  if (!IsSeparator(folder[2])) return FolderProblem::kNotAbsolute;
  const std::vector<std::wstring> names = NamesAfterDrive(folder);
  if (names.empty()) return FolderProblem::kDriveRoot;
  for (const std::wstring& name : names) {
    if (HasForbiddenCharacter(name)) return FolderProblem::kForbiddenCharacter;
    if (name.back() == L'.' || name.back() == L' ') return FolderProblem::kBadNameEnd;
    if (!IsSafeEntryName(std::u16string(name.begin(), name.end()))) return FolderProblem::kDeviceName;
  }
  size_t length = folder.size();
  while (IsSeparator(folder[length - 1])) --length;
  // Without a known payload, a name of one character must still fit.
  if (length + 1 + std::max<size_t>(longest_payload_path, 1) > kMaxFullPathUnits) {
    return FolderProblem::kTooLong;
  }
  const int drive = (folder[0] | 0x20) - L'a';
  if ((drive_mask & (uint32_t{1} << drive)) == 0) return FolderProblem::kNoSuchDrive;
  return FolderProblem::kNone;
}

const wchar_t* FolderProblemMessage(FolderProblem problem) {
  switch (problem) {
    case FolderProblem::kNone: return L"";
    // "请填写安装目录。"
    case FolderProblem::kEmpty: return L"\u8bf7\u586b\u5199\u5b89\u88c5\u76ee\u5f55\u3002";
    // "安装目录须是带盘符的完整路径，例如 C:\Program Files\WiFi。"
    case FolderProblem::kNotAbsolute:
      return L"\u5b89\u88c5\u76ee\u5f55\u987b\u662f\u5e26\u76d8\u7b26\u7684\u5b8c\u6574\u8def\u5f84\uff0c"
             L"\u4f8b\u5982 C:\\Program Files\\WiFi\u3002";
    // "不能直接安装到磁盘根目录，请选择一个文件夹。"
    case FolderProblem::kDriveRoot:
      return L"\u4e0d\u80fd\u76f4\u63a5\u5b89\u88c5\u5230\u78c1\u76d8\u6839\u76ee\u5f55\uff0c"
             L"\u8bf7\u9009\u62e9\u4e00\u4e2a\u6587\u4ef6\u5939\u3002";
    // "安装目录不能含有 < > : " | ? * 等字符。"
    case FolderProblem::kForbiddenCharacter:
      return L"\u5b89\u88c5\u76ee\u5f55\u4e0d\u80fd\u542b\u6709 < > : \" | ? * "
             L"\u7b49\u5b57\u7b26\u3002";
    // "安装目录中的文件夹名不能以点或空格结尾。"
    case FolderProblem::kBadNameEnd:
      return L"\u5b89\u88c5\u76ee\u5f55\u4e2d\u7684\u6587\u4ef6\u5939\u540d\u4e0d\u80fd\u4ee5\u70b9"
             L"\u6216\u7a7a\u683c\u7ed3\u5c3e\u3002";
    // "安装目录中不能使用设备名（如 CON、NUL、COM1）。"
    case FolderProblem::kDeviceName:
      return L"\u5b89\u88c5\u76ee\u5f55\u4e2d\u4e0d\u80fd\u4f7f\u7528\u8bbe\u5907\u540d\uff08\u5982 "
             L"CON\u3001NUL\u3001COM1\uff09\u3002";
    // "安装目录太长，安装文件的路径会超出系统限制。"
    case FolderProblem::kTooLong:
      return L"\u5b89\u88c5\u76ee\u5f55\u592a\u957f\uff0c\u5b89\u88c5\u6587\u4ef6\u7684\u8def\u5f84"
             L"\u4f1a\u8d85\u51fa\u7cfb\u7edf\u9650\u5236\u3002";
    // "安装目录所在的磁盘不存在。"
    case FolderProblem::kNoSuchDrive:
      return L"\u5b89\u88c5\u76ee\u5f55\u6240\u5728\u7684\u78c1\u76d8\u4e0d\u5b58\u5728\u3002";
  }
  return L"";
}

const char* FolderProblemName(FolderProblem problem) {
  switch (problem) {
    case FolderProblem::kNone: return "ok";
    case FolderProblem::kEmpty: return "empty";
    case FolderProblem::kNotAbsolute: return "not an absolute path with a drive letter";
    case FolderProblem::kDriveRoot: return "a drive root";
    case FolderProblem::kForbiddenCharacter: return "a forbidden character";
    case FolderProblem::kBadNameEnd: return "a name ending in a dot or blank";
    case FolderProblem::kDeviceName: return "a device name";
    case FolderProblem::kTooLong: return "too long for the payload's paths";
    case FolderProblem::kNoSuchDrive: return "no such drive";
  }
  return "?";
}

}  // namespace ZEPHYRA_NAMESPACE
