// stb_image_build.h -- compiles stb_image's implementation with this
// project's settings. Included by exactly one file per program:
// stb_image_impl.cpp for the framework (every format stb_image reads), or a
// program's own file that narrows the formats first (STBI_ONLY_PNG).
#ifndef ZEPHYRA_UI_RENDER_STB_IMAGE_BUILD_H_
#define ZEPHYRA_UI_RENDER_STB_IMAGE_BUILD_H_

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
// Images are decoded on more than one thread and nothing asks why one
// failed: no failure text, and so no thread-local storage for it.
#define STBI_NO_FAILURE_STRINGS
#define STBI_NO_THREAD_LOCALS
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#endif  // ZEPHYRA_UI_RENDER_STB_IMAGE_BUILD_H_
