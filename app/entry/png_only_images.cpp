// png_only_images.cpp -- the setup's skin images are PNG files (drawn by
// resources/images/generate.py and named in setup.rc), and it reads no image
// from anywhere else. This stb_image reads PNG alone; linked ahead of the
// framework's, it keeps the decoders of the other formats, about 20 KB, out
// of the setup. Any other format decodes to nothing, as a broken file does.
#define STBI_ONLY_PNG
#include "ui/render/stb_image_build.h"
