// common_controls.h -- the common controls library (tooltips), loaded at
// run time instead of imported. A DLL of the import table that is not one
// of the system's known DLLs is looked for beside the program first, and
// loads (and runs its own imports) before the program's first line could
// restrict the search; loaded later by name, the library is found through
// the manifest's side-by-side binding or in the system folder.
#pragma once

#include <windows.h>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// InitCommonControlsEx for `classes` (ICC_* flags); false when the library
// or the function cannot be found.
bool InitCommonControlsAtRunTime(DWORD classes);

}  // namespace ZEPHYRA_NAMESPACE
