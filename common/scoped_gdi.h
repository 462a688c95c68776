// scoped_gdi.h -- owning wrappers of GDI resources: device contexts (one type
// per release rule), GDI objects, icons, and a guard that selects an object
// into a device context and puts the previous one back.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <utility>

#include "common/scoped_handle.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Any GDI object (bitmap, font, pen, brush, region): DeleteObject.
template <typename T>
struct GdiObjectTraits {
  using Handle = T;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};
using ScopedBitmap = ScopedGeneric<GdiObjectTraits<HBITMAP>>;
using ScopedFont = ScopedGeneric<GdiObjectTraits<HFONT>>;
using ScopedPen = ScopedGeneric<GdiObjectTraits<HPEN>>;
using ScopedBrush = ScopedGeneric<GdiObjectTraits<HBRUSH>>;
using ScopedRegion = ScopedGeneric<GdiObjectTraits<HRGN>>;

struct IconTraits {
  using Handle = HICON;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DestroyIcon(h); }
};
using ScopedIcon = ScopedGeneric<IconTraits>;

// A DC made with CreateCompatibleDC: DeleteDC.
struct CreatedDcTraits {
  using Handle = HDC;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};
using ScopedCreateDC = ScopedGeneric<CreatedDcTraits>;

// A DC obtained with GetDC: ReleaseDC with the same window.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  ~ScopedGetDC() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// The DC of a WM_PAINT: BeginPaint / EndPaint.
class ScopedBeginPaint {
 public:
  explicit ScopedBeginPaint(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &ps_); }
  ScopedBeginPaint(const ScopedBeginPaint&) = delete;
  ScopedBeginPaint& operator=(const ScopedBeginPaint&) = delete;
  ~ScopedBeginPaint() {
    if (dc_ != nullptr) ::EndPaint(window_, &ps_);
  }
  HDC Get() const { return dc_; }
  const PAINTSTRUCT& Info() const { return ps_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// Selects an object into a DC for the guard's lifetime; the previous object
// is selected back on destruction. The object itself is not owned.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(dc != nullptr && object != nullptr ? ::SelectObject(dc, object) : nullptr) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (old_ != nullptr && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
