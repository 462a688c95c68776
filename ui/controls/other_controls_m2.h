// other_controls_m2.h -- registration of the drop-down, banner and advert
// element classes with the element factory.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Registers "Combo", "ComboElement", "ComboBuddy", "Banner" and "Advert".
// Calling it again is harmless. YdComboSpace and YdBannerItem have no
// element names: their owners make them.
void RegisterOtherControlsm2();

}  // namespace ZEPHYRA_NAMESPACE
