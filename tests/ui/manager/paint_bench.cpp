// paint_bench.cpp -- paint-path figures (not a test): a full WM_PAINT with
// the reused off-screen DIB, the same paint when the DIB is recreated each
// time (a layout pass pending), and a layered push (recreated DIB plus
// UpdateLayeredWindow). Prints microseconds per paint and ratios against
// the reused-DIB paint measured in the same run.
#include <cstdio>

#include "tests/ui/manager/manager_fixture.h"

using namespace ZEPHYRA_NAMESPACE;
using namespace ZEPHYRA_NAMESPACE::test;

namespace {

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f) {
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

template <typename Step>
double MicrosPerRun(int runs, Step step) {
  LARGE_INTEGER f, a, b;
  ::QueryPerformanceFrequency(&f);
  step();  // warm-up
  ::QueryPerformanceCounter(&a);
  for (int i = 0; i < runs; ++i) step();
  ::QueryPerformanceCounter(&b);
  return Seconds(a, b, f) * 1e6 / runs;
}

}  // namespace

int main() {
  const HWND hwnd = SharedTestWindow();
  auto* manager = new YdPaintManager();
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(manager));
  manager->BindWindow(hwnd);
  auto* root = new TestContainer();
  root->ApplyAttribute(L"normalbkcolor", L"#FF203040");
  for (int i = 0; i < 40; ++i) {
    auto* c = new RecordingControl(L"", 0, {(i % 8) * 36, (i / 8) * 38, (i % 8) * 36 + 34, (i / 8) * 38 + 36});
    c->ApplyAttribute(L"normalbkcolor", L"#C0E06010");
    c->ApplyAttribute(L"bordercolor", L"#FF000000");
    c->ApplyAttribute(L"text", L"Label");
    root->Add(c);
  }
  manager->AttachRoot(root);
  const int runs = 300;
  const double reused = MicrosPerRun(runs, [&] { PaintNow(hwnd); });
  const double recreated = MicrosPerRun(runs, [&] {
    manager->NeedLayout();
    PaintNow(hwnd);
  });
  manager->SetLayered(true);
  const double layered = MicrosPerRun(runs, [&] { manager->UpdateLayered(255); });
  std::printf("paint, reused DIB:       %8.1f us  (1.00)\n", reused);
  std::printf("paint, DIB recreated:    %8.1f us  (%.2f)\n", recreated, recreated / reused);
  std::printf("layered push:            %8.1f us  (%.2f)\n", layered, layered / reused);
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  delete manager;
  return 0;
}
