// test_ole_object.h -- a minimal OLE control for the host's tests: it
// activates in place (windowless when the site allows it and the object is
// made windowless-capable, otherwise in a child window of its own), draws a
// solid colour, records what its site asks and tells it, and counts its
// live instances so a test can see every reference given back.
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include <vector>

namespace ztest_ole {

// {5A1E0C31-7B9E-4D55-9C1A-3E2F4B6A7D01}: windowless-capable, draws green.
extern const CLSID kClsidWindowless;
// {5A1E0C31-7B9E-4D55-9C1A-3E2F4B6A7D02}: windowed only, draws blue.
extern const CLSID kClsidWindowed;

constexpr COLORREF kWindowlessColour = RGB(0, 255, 0);
constexpr COLORREF kWindowedColour = RGB(0, 0, 255);
constexpr WPARAM kAcceleratorKey = VK_F5;  // TranslateAccelerator takes this key

// What the last created object saw (reset by Reset()).
struct Record {
  int created = 0;
  int live = 0;            // objects not yet destroyed
  int doVerbs = 0;
  int closes = 0;
  int nullSites = 0;       // SetClientSite(nullptr)
  int siteSetBeforeInit = 0;
  bool windowless = false;  // activated windowless
  HWND parentWindow = nullptr;  // site window given at activation (windowed)
  HWND ownWindow = nullptr;
  RECT contextPos{};       // position from GetWindowContext
  RECT objectRects{};      // last SetObjectRects
  int setObjectRects = 0;
  int draws = 0;
  RECTL lastBounds{};
  std::vector<UINT> windowMessages;  // OnWindowMessage
  std::vector<POINT> mousePoints;    // points of OnWindowMessage mouse messages
  std::vector<WPARAM> accelerators;  // TranslateAccelerator keys
};

Record& Stats();
void Reset();

// Class objects for both test classes, registered for this process with
// CoRegisterClassObject while the guard lives.
class Registration {
 public:
  Registration();
  ~Registration();
  Registration(const Registration&) = delete;
  Registration& operator=(const Registration&) = delete;
  bool Ok() const { return ok_; }

 private:
  DWORD cookies_[2] = {0, 0};
  bool ok_ = false;
};

// A class factory of the test objects (for DllGetClassObject too).
HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out);
// Whether a module exposing the objects may unload.
bool CanUnload();
// The module whose instance the object windows use (a DLL sets its own).
void SetModule(HMODULE module);

}  // namespace ztest_ole
