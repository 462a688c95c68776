// gallery_entry.cpp -- the gallery program's start-up; see gallery_entry.h.
#include "tools/gallery/gallery_entry.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "common/scoped_com.h"
#include "common/utf.h"
#include "tools/gallery/gallery_skin.h"
#include "tools/gallery/gallery_wnd.h"
#include "tools/gallery/preview_entry.h"
#include "ui/manager/common_controls.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// The program's arguments after its own name, from the wide command line.
std::vector<std::u16string> Arguments() {
  std::vector<std::u16string> out;
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return out;
  for (int i = 1; i < count; ++i) out.push_back(ToUtf16(wide[i]));
  ::LocalFree(wide);
  return out;
}

}  // namespace

int RunGallery(HINSTANCE instance) {
  const YdPreviewArgs args = ParsePreviewArgs(Arguments());
  if (!args.error.empty()) {
    ReportPreviewFailure(args.error + "\n" + kPreviewUsage);
    return kGalleryExitUsage;
  }
  // The ActiveX hosts need OLE on this (the UI) thread.
  ScopedOleInitialize ole;
  InitCommonControlsAtRunTime(ICC_STANDARD_CLASSES);
  GetResourceCache().SetResourceModule(instance);
  if (!InstallGallerySkin()) return kGalleryExitNoSkin;
  if (!args.skin.empty()) return RunPreview(args);
  YdGalleryWnd gallery;
  if (!gallery.CreateGallery()) return kGalleryExitNoWindow;
  gallery.CenterOnOwner();
  gallery.ShowWithDelay(true, true);
  YdPaintManager::RunMessageLoop();
  return kGalleryExitOk;
}

}  // namespace ZEPHYRA_NAMESPACE
