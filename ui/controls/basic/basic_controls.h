// basic_controls.h -- registers the label, button, option, progress and
// circle progress classes with the skin builder's element factory.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Registers "Label", "Button", "Option", "Progress" and "CircleProgress".
// Call once before building a window; calling again is harmless.
void RegisterBasicControls();

}  // namespace ZEPHYRA_NAMESPACE
