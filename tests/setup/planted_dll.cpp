// planted_dll.cpp -- a DLL that the DLL-search test puts next to the test
// program, as an attacker would put one next to a downloaded setup.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
