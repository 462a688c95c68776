// control_kinds.h -- the kind code of every control class, in one place.
// GetKind answers the class's own code; QueryKind(k) answers the control
// for its own code, its base classes' codes and 1. A class without a code
// of its own (the layouts, the circle progress, the spin and extend edits)
// answers its base class's. 24 and 27 belong to no class.
#pragma once

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

constexpr int kKindControl = 1;
constexpr int kKindMenu = 2;
constexpr int kKindMenuElement = 3;
constexpr int kKindContainer = 4;
constexpr int kKindButton = 5;
constexpr int kKindLabel = 6;
constexpr int kKindProgress = 7;
constexpr int kKindEdit = 8;
constexpr int kKindOption = 9;
constexpr int kKindRichEdit = 10;
constexpr int kKindScrollbar = 11;
constexpr int kKindSlide = 12;
constexpr int kKindTabCtrl = 13;
constexpr int kKindTabItem = 14;
constexpr int kKindActiveX = 15;
constexpr int kKindCombo = 16;
constexpr int kKindComboElement = 17;
constexpr int kKindComboSpace = 18;
constexpr int kKindPicture = 19;
constexpr int kKindWebBrowser = 20;
constexpr int kKindAdvert = 21;
constexpr int kKindHotKeyEdit = 22;
constexpr int kKindPicExtendCtrl = 23;
constexpr int kKindList = 25;
constexpr int kKindListElement = 26;
constexpr int kKindBanner = 28;

// The window-control kind. The picture-extend control answers the same
// code; only a control that also implements IYdWindowControlReceiver
// (window_part.h) is taken for a window control.
constexpr int kKindWindowControl = 23;

}  // namespace ZEPHYRA_NAMESPACE
