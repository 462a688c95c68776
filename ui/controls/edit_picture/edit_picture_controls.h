// edit_picture_controls.h -- registers the edit family ("Edit", "SpinEdit",
// "HotKeyEdit", "ExtendEdit"), the picture controls ("Picture",
// "PicExtendCtrl"), the native window hosts ("DrawWnd", "PlaceHolder")
// and the window control ("WndControl") as elements of the skin format.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterEditAndPictureControls();

}  // namespace ZEPHYRA_NAMESPACE
