// preview_wnd.cpp -- YdPreviewWnd; see preview_wnd.h.
#include "tools/gallery/preview_wnd.h"

#include "common/scoped_gdi.h"
#include "tools/gallery/preview_logic.h"
#include "ui/control/control.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {
constexpr DWORD kPreviewStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
}  // namespace

YdPreviewWnd::YdPreviewWnd(std::wstring skinFile, std::string window)
    : skin_file_(std::move(skinFile)), window_(std::move(window)) {}

YdPreviewWnd::~YdPreviewWnd() {
  if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
}

bool YdPreviewWnd::CreatePreview() {
  if (Create(nullptr, L"Zephyra skin preview", kPreviewStyle, WS_EX_APPWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
             CW_USEDEFAULT, CW_USEDEFAULT) == nullptr) {
    return false;
  }
  RECT r{};
  ::GetWindowRect(GetHWND(), &r);
  const int w = PreviewSide(r.right - r.left), h = PreviewSide(r.bottom - r.top);
  if (w != r.right - r.left || h != r.bottom - r.top) {
    ::SetWindowPos(GetHWND(), nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  }
  return true;
}

LRESULT YdPreviewWnd::OnCreate(UINT, WPARAM, LPARAM, bool& handled) { return BuildFromSkin(true, handled); }

LRESULT YdPreviewWnd::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  handled = true;
  ::PostQuitMessage(0);
  return 0;
}

bool YdPreviewWnd::Photograph(std::vector<uint32_t>* pixels, int* width, int* height) {
  YdControl* root = GetPaintManager().GetRoot();
  RECT client{};
  if (root == nullptr || !::GetClientRect(GetHWND(), &client)) return false;
  const int w = PreviewSide(client.right), h = PreviewSide(client.bottom);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;  // bottom-up, as the picture file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ScopedBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ScopedCreateDC dc(::CreateCompatibleDC(nullptr));
  if (!bitmap || !dc || bits == nullptr) return false;
  {
    ScopedSelectObject select(dc.Get(), bitmap.Get());
    root->Paint(dc.Get(), RECT{0, 0, w, h});
  }
  ::GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  pixels->assign(first, first + static_cast<size_t>(w) * h);
  *width = w;
  *height = h;
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
