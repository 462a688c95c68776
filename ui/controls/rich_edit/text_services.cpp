// text_services.cpp -- loading the text services factory from the system
// folder.
#include "ui/controls/rich_edit/text_services.h"

#include <string>

namespace ZEPHYRA_NAMESPACE {

std::wstring SystemRichEditPath() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::wstring path(folder, length);
  if (path.back() != L'\\') path += L'\\';
  path += L"riched20.dll";
  return path;
}

YdCreateTextServicesProc TextServicesFactory() {
  // Loaded on first use and kept: the module must outlive every text
  // services object, and those are released only as their controls go.
  static const YdCreateTextServicesProc factory = []() -> YdCreateTextServicesProc {
    const std::wstring path = SystemRichEditPath();
    if (path.empty()) return nullptr;
    HMODULE module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) return nullptr;
    FARPROC proc = ::GetProcAddress(module, MAKEINTRESOURCEA(4));
    return reinterpret_cast<YdCreateTextServicesProc>(reinterpret_cast<void*>(proc));
  }();
  return factory;
}

}  // namespace ZEPHYRA_NAMESPACE
