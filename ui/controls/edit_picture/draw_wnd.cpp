// draw_wnd.cpp -- YdDrawWnd: snapshot of a native window and its painting.
#include "ui/controls/edit_picture/draw_wnd.h"

namespace ZEPHYRA_NAMESPACE {

void YdDrawWnd::SetNativeWindow(HWND hwnd) {
  YdContainer::SetNativeWindow(hwnd);
  Refresh();
}

bool YdDrawWnd::Refresh() {
  snapshot_.Set(nullptr);
  size_ = {0, 0};
  HWND hwnd = GetNativeWindow();
  if (hwnd == nullptr || !::IsWindow(hwnd)) {
    Invalidate();
    return false;
  }
  RECT client{};
  ::GetClientRect(hwnd, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return false;
  ScopedGetDC source(hwnd);
  if (!source) return false;
  ScopedCreateDC memory(::CreateCompatibleDC(source.Get()));
  ScopedBitmap bitmap(::CreateCompatibleBitmap(source.Get(), width, height));
  if (!memory.IsValid() || !bitmap.IsValid()) return false;
  {
    ScopedSelectObject select(memory.Get(), bitmap.Get());
    if (!::BitBlt(memory.Get(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY)) return false;
  }
  snapshot_ = std::move(bitmap);
  size_ = {width, height};
  Invalidate();
  return true;
}

void YdDrawWnd::DrawStateImage(HDC dc) {
  YdContainer::DrawStateImage(dc);
  if (!snapshot_.IsValid()) return;
  ScopedCreateDC memory(::CreateCompatibleDC(dc));
  if (!memory.IsValid()) return;
  ScopedSelectObject select(memory.Get(), snapshot_.Get());
  const RECT rc = GetPosition();
  const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
  ::StretchBlt(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, memory.Get(), 0, 0, size_.cx, size_.cy,
               SRCCOPY);
  ::SetStretchBltMode(dc, oldMode);
}

}  // namespace ZEPHYRA_NAMESPACE
