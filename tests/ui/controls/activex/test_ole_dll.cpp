// test_ole_dll.cpp -- the test OLE control in a DLL of its own, reached
// through DllGetClassObject without any registration (the host's
// "modulename"). TestLiveObjects tells a test how many objects of this
// DLL are alive.
#include <windows.h>

#include "tests/ui/controls/activex/test_ole_object.h"

extern "C" {

HRESULT __stdcall TestDllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return ztest_ole::GetClassObject(clsid, iid, out);
}

HRESULT __stdcall TestDllCanUnloadNow() { return ztest_ole::CanUnload() ? S_OK : S_FALSE; }

int __stdcall TestLiveObjects() { return ztest_ole::Stats().live; }

int __stdcall TestCreatedObjects() { return ztest_ole::Stats().created; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) ztest_ole::SetModule(instance);
  if (reason == DLL_PROCESS_DETACH) ::UnregisterClassW(L"ZephyraTestOleObject", instance);
  return TRUE;
}

}  // extern "C"
