// skin_window_fixture.h -- SkinWindowTest, the fixture of every test that
// builds a literal skin: a paint manager in a window of its own, the control
// tree built into it from skin XML by the skin builder, mouse and key
// messages sent to the window, every notification recorded, pixels read
// back. A test folder's fixture derives from it and registers the element
// classes its skins use. Fixtures on the shared test window of ManagerTest
// (the edit and picture controls, the ActiveX host) build with
// BuildLiteralSkin.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/notes.h"
#include "tests/support/pump.h"
#include "tests/ui/manager/manager_fixture.h"
#include "ui/skin/xml_parse.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

// Builds `xml` (a <Window> with its controls) with the skin builder into
// `manager`, attaches the tree and adds `listener`; the root, or null (the
// test fails then). The one build step of every literal-skin fixture.
inline YdControl* BuildLiteralSkin(YdPaintManager* manager, const std::wstring& xml, IBuilderCallback* callback,
                                   INotify* listener) {
  YdXmlParse parse;
  YdControl* root = parse.BuildWindow(nullptr, manager, xml, kXmlSourceText, L"", callback);
  EXPECT_NE(root, nullptr) << "the skin did not build";
  if (root == nullptr) return nullptr;
  manager->AttachRoot(root);
  manager->AddNotifyListener(listener);
  return root;
}

class SkinWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (manager_ != nullptr) manager_->RemoveNotifyListener(&listener_);
    window_.reset();
    manager_.reset();
    PumpMessages();
  }

  // The element classes the skins use (RegisterBasicControls() and others).
  virtual void RegisterElements() {}
  // A control for an element no registered class knows; null leaves it out.
  virtual YdControl* CustomControl(const wchar_t* /*element*/) { return nullptr; }

  // Builds `xml` (a <Window> with its controls) into a fresh `width` x
  // `height` window and paints it once; the notes of that paint are
  // dropped. The root, or null (the test fails then).
  YdControl* Build(const std::wstring& xml, int width = 300, int height = 200) {
    RegisterElements();
    manager_ = std::make_unique<YdPaintManager>();
    window_ = std::make_unique<ManagerWindow>(manager_.get(), width, height);
    EXPECT_NE(window_->hwnd(), nullptr) << "no test window";
    if (window_->hwnd() == nullptr) return nullptr;
    YdControl* root = BuildLiteralSkin(manager_.get(), xml, &callback_, &listener_);
    if (root == nullptr) return nullptr;
    PaintNow(window_->hwnd());
    notes_.clear();
    return root;
  }

  HWND hwnd() const { return window_->hwnd(); }
  template <typename T>
  T* Named(const wchar_t* name, int kind) {
    YdControl* c = manager_->ControlByName(name);
    return c == nullptr ? nullptr : static_cast<T*>(c->QueryKind(kind));
  }
  static POINT Centre(const YdControl* c) {
    const RECT r = c->GetPosition();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(hwnd(), msg, wParam, lParam); }
  void Move(int x, int y, bool pressed = false) { Send(WM_MOUSEMOVE, pressed ? MK_LBUTTON : 0, PointParam(x, y)); }
  void Down(int x, int y) {
    Move(x, y);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
  }
  void Up(int x, int y) { Send(WM_LBUTTONUP, 0, PointParam(x, y)); }
  void Click(int x, int y) {
    Down(x, y);
    Up(x, y);
  }
  void Click(const YdControl* c) {
    const POINT pt = Centre(c);
    Click(pt.x, pt.y);
  }
  // A click at `pt` in any window (a drop box, a menu).
  static void Click(HWND window, POINT pt) {
    const LPARAM at = PointParam(pt.x, pt.y);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, at);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
  }
  void KeyDown(UINT vk) { Send(WM_KEYDOWN, vk, 1); }
  void KeyUp(UINT vk) { Send(WM_KEYUP, vk, 0xC0000001); }
  void Key(UINT vk) {
    KeyDown(vk);
    KeyUp(vk);
  }
  void Char(wchar_t ch) { Send(WM_CHAR, ch, 1); }

  void Repaint() { PaintNow(hwnd()); }
  // The 0x00RRGGBB colour of client pixel (x, y) after a paint.
  uint32_t Pixel(int x, int y) {
    Repaint();
    return OffscreenPixel(*manager_, x, y);
  }
  // The notes of `type` as (sender, wParam) pairs, in order.
  std::vector<Pair> NotesOf(int type) const { return listener_.PairsOf(type); }

  std::unique_ptr<YdPaintManager> manager_;
  std::unique_ptr<ManagerWindow> window_;
  std::vector<Noted> notes_;
  RecordingListener listener_{&notes_, 1};

  // Hands unknown elements to CustomControl; also for trees a test builds
  // itself (a menu).
  class Callback : public IBuilderCallback {
   public:
    explicit Callback(SkinWindowTest* owner) : owner_(owner) {}
    YdControl* CreateCustomControl(const wchar_t* element) override { return owner_->CustomControl(element); }

   private:
    SkinWindowTest* owner_;
  };
  Callback callback_{this};
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
