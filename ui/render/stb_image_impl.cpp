// stb_image_impl.cpp -- the framework's stb_image: PNG, JPEG, BMP, GIF, PSD,
// PIC and the other formats it reads.
#include "ui/render/stb_image_build.h"
