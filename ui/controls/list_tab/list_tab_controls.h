// list_tab_controls.h -- registration of the slider, tab control, tab item,
// list and list element classes with the element factory.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Registers "Slide", "TabCtrl", "TabItem", "List" and "ListElement".
// Calling it again is harmless.
void RegisterListAndTabControls();

}  // namespace ZEPHYRA_NAMESPACE
