// setup_skin.h -- makes the setup's skin buildable: registers the control
// classes its XML names and installs the XML skin builder as the default
// builder of every skinned window.
#pragma once

#ifdef _WIN32

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Once per process, before the first window is created. False when the XML
// skin builder cannot be installed.
bool InstallSetupSkin();

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
