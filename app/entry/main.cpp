// main.cpp -- the entry point of ZephyraSetup.exe; the start-up sequence
// lives in setup_entry.cpp, where the tests reach it.
#include <windows.h>

#include "app/entry/setup_entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR argument, int) {
  return ZEPHYRA_NAMESPACE::RunSetup(instance, argument != nullptr ? argument : "");
}
