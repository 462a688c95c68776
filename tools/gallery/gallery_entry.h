// gallery_entry.h -- the gallery program's start-up: registers the controls,
// creates the gallery window from the skin in the module's resources, shows
// it centred and runs the message loop until it is closed; with a skin file
// on the command line it runs the skin previewer (preview_entry.h) instead.
// The exit codes are in preview_logic.h.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "common/yd_namespace.h"
#include "tools/gallery/preview_logic.h"

namespace ZEPHYRA_NAMESPACE {

int RunGallery(HINSTANCE instance);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
