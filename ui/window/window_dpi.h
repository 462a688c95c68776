// window_dpi.h -- the DPI a window is shown at, read from the system: the
// window's own DPI where the system knows per-window DPI (GetDpiForWindow,
// looked up at run time so the program still starts where it is missing),
// the screen's LOGPIXELSX otherwise. A process the system does not treat as
// DPI aware gets 96 from both.
#pragma once

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/values/dpi_scale.h"

namespace ZEPHYRA_NAMESPACE {

int WindowDpi(HWND window);
inline YdDpiScale WindowDpiScale(HWND window) { return YdDpiScale(WindowDpi(window)); }

}  // namespace ZEPHYRA_NAMESPACE
