// preview_entry.cpp -- the skin previewer's run; see preview_entry.h.
#include "tools/gallery/preview_entry.h"

#include <windows.h>

#include <cstdio>
#include <memory>

#include "common/scoped_handle.h"
#include "common/utf.h"
#include "tools/gallery/preview_wnd.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/resource_cache.h"
#include "ui/skin/skin_document.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// The folder of a file path (images named by relative path are found there).
std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

bool WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

int Fail(int code, const std::string& message) {
  ReportPreviewFailure(message);
  return code;
}

}  // namespace

void ReportPreviewFailure(const std::string& message) {
  const std::string line = "ZephyraGallery: " + message + "\n";
  HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
  DWORD written = 0;
  if (error != nullptr && error != INVALID_HANDLE_VALUE && ::GetFileType(error) != FILE_TYPE_UNKNOWN &&
      ::WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) {
    return;
  }
  const std::u16string text = Utf8ToUtf16(line);
  if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
    ScopedHandle console(::CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (console && ::WriteConsoleW(console.Get(), text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr)) {
      return;
    }
  }
  ::MessageBoxW(nullptr, ToWide(text).c_str(), L"Zephyra gallery", MB_OK | MB_ICONERROR);
}

int RunPreview(const YdPreviewArgs& args) {
  YdSkinDocument skin;
  const YdSkinLoadStatus status = skin.LoadFile(args.skin);
  if (status != YdSkinLoadStatus::kOk) return Fail(kGalleryExitNoSkin, DescribeSkinLoad(status, skin, args.skin));
  std::string reason;
  const std::optional<std::u16string> window = ChoosePreviewWindow(skin, args.window, &reason);
  const std::string file = Utf16ToUtf8(args.skin);
  if (!window) return Fail(kGalleryExitNoSkin, file + ": " + reason);

  const std::wstring path = ToWide(args.skin);
  GetResourceCache().SetResourceFolder(FolderOf(path));
  auto preview = std::make_unique<YdPreviewWnd>(path, Utf16ToUtf8(*window));
  if (!preview->CreatePreview()) {
    const std::string which = window->empty() ? std::string("its root element") : "the window \"" + Utf16ToUtf8(*window) + "\"";
    return Fail(kGalleryExitNoSkin, file + ": " + which + " builds no control");
  }
  preview->CenterOnOwner();
  if (!args.shot) {
    preview->ShowWithDelay(true, true);
    YdPaintManager::RunMessageLoop();
    return kGalleryExitOk;
  }
  // One paint on the screen initialises the controls; the picture is then
  // painted whole into a bitmap of its own.
  ::ShowWindow(preview->GetHWND(), SW_SHOWNOACTIVATE);
  ::UpdateWindow(preview->GetHWND());
  std::vector<uint32_t> pixels;
  int width = 0, height = 0;
  const bool painted = preview->Photograph(&pixels, &width, &height);
  preview.reset();
  if (!painted || !WriteWholeFile(ToWide(*args.shot), EncodeBmp32(pixels.data(), width, height))) {
    return Fail(kGalleryExitNoShot, Utf16ToUtf8(*args.shot) + ": the picture could not be written");
  }
  return kGalleryExitOk;
}

}  // namespace ZEPHYRA_NAMESPACE
