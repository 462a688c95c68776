// active_x_controls.h -- registers the ActiveX host ("ActiveX") and the web
// browser ("WebBrowser") as elements of the skin format.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterActiveXControls();

}  // namespace ZEPHYRA_NAMESPACE
