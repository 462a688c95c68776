// A render-layer header that wrongly reaches up into the skin layer.
#pragma once
#include "ui/skin/model.h"
