// gallery_entry.cpp -- the gallery program's start-up; see gallery_entry.h.
#include "tools/gallery/gallery_entry.h"

#include <commctrl.h>

#include "common/scoped_com.h"
#include "tools/gallery/gallery_skin.h"
#include "tools/gallery/gallery_wnd.h"
#include "ui/manager/common_controls.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {

int RunGallery(HINSTANCE instance) {
  // The ActiveX hosts need OLE on this (the UI) thread.
  ScopedOleInitialize ole;
  InitCommonControlsAtRunTime(ICC_STANDARD_CLASSES);
  GetResourceCache().SetResourceModule(instance);
  if (!InstallGallerySkin()) return kGalleryExitNoSkin;
  YdGalleryWnd gallery;
  if (!gallery.CreateGallery()) return kGalleryExitNoWindow;
  gallery.CenterOnOwner();
  gallery.ShowWithDelay(true, true);
  YdPaintManager::RunMessageLoop();
  return kGalleryExitOk;
}

}  // namespace ZEPHYRA_NAMESPACE
