// gallery_entry.h -- the gallery program's start-up: registers the controls,
// creates the gallery window from the skin in the module's resources, shows
// it centred and runs the message loop until it is closed.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Exit codes of ZephyraGallery.exe.
enum GalleryExitCode : int {
  kGalleryExitOk = 0,          // the window came up and was closed
  kGalleryExitNoSkin = 1,      // the skin builder could not be installed
  kGalleryExitNoWindow = 2,    // the window could not be created from the skin
};

int RunGallery(HINSTANCE instance);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
