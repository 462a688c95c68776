// draw_wnd.h -- YdDrawWnd (element "DrawWnd"): shows a snapshot of a native
// window. SetNativeWindow copies the window's client area into a memory
// bitmap (GetDC, BitBlt); painting stretches the copy over the control
// (StretchBlt) above its background and under its children. Refresh takes
// a new copy.
#pragma once

#include <windows.h>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"

namespace ZEPHYRA_NAMESPACE {

class YdDrawWnd : public YdContainer {
 public:
  YdDrawWnd() = default;

  void SetNativeWindow(HWND hwnd) override;
  void DrawStateImage(HDC dc) override;

  // Copies the native window's client area again; false when there is no
  // window or the copy failed (the old snapshot is dropped then).
  bool Refresh();
  bool HasSnapshot() const { return snapshot_.IsValid(); }
  SIZE GetSnapshotSize() const { return size_; }

 private:
  ScopedBitmap snapshot_;
  SIZE size_{0, 0};
};

}  // namespace ZEPHYRA_NAMESPACE
