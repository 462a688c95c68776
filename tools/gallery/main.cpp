// main.cpp -- the entry point of ZephyraGallery.exe; the start-up lives in
// gallery_entry.cpp.
#include <windows.h>

#include "tools/gallery/gallery_entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return ZEPHYRA_NAMESPACE::RunGallery(instance); }
