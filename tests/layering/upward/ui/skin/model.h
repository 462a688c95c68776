// A skin-layer header that rightly includes the render layer below it.
#pragma once
#include "ui/render/drawing.h"
