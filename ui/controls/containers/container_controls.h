// container_controls.h -- registration of the element classes the skin
// builder always knows: the plain control, the container and the layouts.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Registers "Control", "Container", "HorizontalLayout", "VerticalLayout" and
// "GridLayout" (scroll bars are made by their containers, not by skin
// elements). The skin builder calls it before every build; a name already
// registered (a program's own subclass, say) is left as it is.
void RegisterContainerControls();

}  // namespace ZEPHYRA_NAMESPACE
