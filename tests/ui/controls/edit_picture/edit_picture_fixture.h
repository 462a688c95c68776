// edit_picture_fixture.h -- test scaffolding of the edit family, the picture controls
// and the native window hosts: a literal skin built by the XML skin builder
// into the shared test window (300 x 200), mouse and key messages sent to
// that window, notifications recorded, pixels read back.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/ui/manager/manager_fixture.h"
#include "tests/ui/render/canvas.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

class EditPictureTest : public ManagerTest {
 public:
  // Solid test images used by the skins.
  static void AddImages();

 protected:
  // Registers every element class and builds `skin` (a <Window> with the
  // controls); fails the test when nothing is built.
  YdControl* Build(const wchar_t* skin);
  template <typename T>
  T* ByName(const wchar_t* name, int kind) {
    YdControl* c = manager_->ControlByName(name);
    return c == nullptr ? nullptr : static_cast<T*>(c->QueryKind(kind));
  }
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(hwnd_, msg, wParam, lParam); }
  void MoveTo(int x, int y) { Send(WM_MOUSEMOVE, 0, PointParam(x, y)); }
  void Click(int x, int y) {
    MoveTo(x, y);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
    Send(WM_LBUTTONUP, 0, PointParam(x, y));
  }
  void KeyDown(UINT vk) { Send(WM_KEYDOWN, vk, 1); }
  void KeyUp(UINT vk) { Send(WM_KEYUP, vk, 0xC0000001); }
  void Char(wchar_t ch) { Send(WM_CHAR, ch, 1); }
  uint32_t Pixel(int x, int y) {
    PaintNow(hwnd_);
    return OffscreenPixel(*manager_, x, y);
  }
  std::vector<Pair> NotesOf(int type) const { return listener_.PairsOf(type); }
  static POINT Centre(const YdControl* c);
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
