// controls_fixture.h -- helpers of the label, button, option and progress
// tests: controls placed at fixed rectangles in the shared test window,
// mouse messages sent to the window, solid test images.
#pragma once

#include "tests/ui/manager/manager_fixture.h"
#include "tests/ui/render/canvas.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

template <typename T>
T* Placed(T* control, RECT r, int id = 0) {
  control->SetFixedXY({r.left, r.top});
  control->SetFixedWidth(r.right - r.left);
  control->SetFixedHeight(r.bottom - r.top);
  control->SetId(id);
  return control;
}

class ControlsTest : public ManagerTest {
 protected:
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(hwnd_, msg, wParam, lParam); }
  void Click(int x, int y) {
    Send(WM_MOUSEMOVE, 0, PointParam(x, y));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
    Send(WM_LBUTTONUP, 0, PointParam(x, y));
  }
  void Layout() {
    PaintNow(hwnd_);
    notes_.clear();
  }
  uint32_t Pixel(int x, int y) {
    PaintNow(hwnd_);
    return OffscreenPixel(*manager_, x, y);
  }
  // The notes of `type` as (sender, wParam) pairs, in order.
  std::vector<std::pair<YdControl*, WPARAM>> NotesOf(int type) const {
    std::vector<std::pair<YdControl*, WPARAM>> out;
    for (const Noted& n : notes_) {
      if (n.type == type) out.emplace_back(n.sender, n.wParam);
    }
    return out;
  }
  std::vector<int> Types() const {
    std::vector<int> out;
    for (const Noted& n : notes_) out.push_back(n.type);
    return out;
  }
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
