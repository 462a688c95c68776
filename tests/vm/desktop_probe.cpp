// desktop_probe.cpp -- exits 0 when this process can create a window, 1 when
// it cannot. Under Wine a program cannot while the desktop process is still
// starting: scripts/vm-wine runs this until it can, before a guest's command.
#include <windows.h>

namespace {

struct Window {
  HWND handle;
  ~Window() {
    if (handle) ::DestroyWindow(handle);
  }
};

}  // namespace

int main() {
  const Window probe{::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)};
  return probe.handle ? 0 : 1;
}
