// popup_controls.h -- registration of the drop-down, banner, advert and
// menu element classes with the element factory.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Registers "Combo", "ComboElement", "ComboBuddy", "Banner", "Advert",
// "Menu" and "MenuElement".
// Calling it again is harmless. YdComboSpace and YdBannerItem have no
// element names: their owners make them.
void RegisterPopupControls();

}  // namespace ZEPHYRA_NAMESPACE
