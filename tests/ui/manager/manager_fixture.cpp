// manager_fixture.cpp -- the test window and message helpers.
#include "tests/ui/manager/manager_fixture.h"

#include <functional>

namespace ZEPHYRA_NAMESPACE {
namespace test {

namespace {

constexpr wchar_t kClassName[] = L"YdManagerTestWindow";

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* manager = reinterpret_cast<YdPaintManager*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (manager != nullptr && manager->GetWindow() == hwnd) {
    LRESULT result = 0;
    if (manager->HandleWindowMessage(msg, wParam, lParam, result)) return result;
  }
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

void RegisterOnce() {
  static bool done = false;
  if (done) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  ::RegisterClassExW(&wc);
  done = true;
}

}  // namespace

ManagerWindow::ManagerWindow(YdPaintManager* manager, int width, int height, DWORD exStyle) {
  RegisterOnce();
  RECT rc{0, 0, width, height};
  ::AdjustWindowRectEx(&rc, WS_POPUP, FALSE, exStyle);
  hwnd_ = ::CreateWindowExW(exStyle, kClassName, L"test", WS_POPUP | WS_VISIBLE, 40, 40, rc.right - rc.left, rc.bottom - rc.top,
                            nullptr, nullptr, ::GetModuleHandleW(nullptr), manager);
  if (hwnd_ != nullptr) manager->BindWindow(hwnd_);
}

ManagerWindow::~ManagerWindow() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

uint32_t OffscreenPixel(const YdPaintManager& manager, int x, int y) {
  ::GdiFlush();
  const SIZE size = manager.GetOffscreenSize();
  const uint32_t* bits = manager.GetOffscreenBits();
  if (bits == nullptr || x < 0 || y < 0 || x >= size.cx || y >= size.cy) return 0xDEADBEEF;
  return bits[static_cast<size_t>(size.cy - 1 - y) * size.cx + x] & 0x00FFFFFFu;
}

void PaintNow(HWND hwnd) {
  ::InvalidateRect(hwnd, nullptr, FALSE);
  ::UpdateWindow(hwnd);
}

HWND SharedTestWindow() {
  // Mapping and unmapping a window costs about two seconds under Wine on a
  // bare X server, so the tests share one window and bind a fresh manager
  // to it each time.
  static ManagerWindow* shared = nullptr;
  if (shared == nullptr) {
    static YdPaintManager placeholder;
    shared = new ManagerWindow(&placeholder, 300, 200);
    ::SetWindowLongPtrW(shared->hwnd(), GWLP_USERDATA, 0);
    placeholder.BindWindow(nullptr);  // out of the message loop's list
  }
  return shared->hwnd();
}

void ManagerTest::SetUp() {
  hwnd_ = SharedTestWindow();
  ASSERT_NE(hwnd_, nullptr);
  manager_ = new YdPaintManager();
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(manager_));
  manager_->BindWindow(hwnd_);
}

void ManagerTest::TearDown() {
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  delete manager_;
  manager_ = nullptr;
  ::ReleaseCapture();
  ::SetWindowRgn(hwnd_, nullptr, FALSE);
  ::SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  PumpMessages();
  ::ValidateRect(hwnd_, nullptr);
}

TestContainer* ManagerTest::AttachTree(std::initializer_list<YdControl*> children) {
  auto* root = new TestContainer();
  root->SetName(L"root");
  for (YdControl* c : children) root->Add(c);
  manager_->AttachRoot(root);
  manager_->AddNotifyListener(&listener_);
  return root;
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
