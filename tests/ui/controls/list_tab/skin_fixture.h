// skin_fixture.h -- a paint manager in a window of its own, a literal skin
// built into it through the element factory, mouse and key messages sent
// to the window and the notifications recorded.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/manager/manager_fixture.h"
#include "tests/ui/render/canvas.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/list_tab/list_tab_controls.h"
#include "ui/render/resource_cache.h"
#include "ui/window/window_impl_base.h"
#include "ui/skin/xml_parse.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

using Pair = std::pair<YdControl*, WPARAM>;

class SkinTest : public ::testing::Test {
 protected:
  class PlainControls : public IBuilderCallback {
   public:
    YdControl* CreateCustomControl(const wchar_t*) override { return new YdControl; }
  };

  // Builds `skin` into a fresh 300 x 200 window; the root, or null.
  YdControl* Build(const std::wstring& skin) {
    RegisterBasicControls();
    RegisterListAndTabControls();
    manager_ = std::make_unique<YdPaintManager>();
    window_ = std::make_unique<ManagerWindow>(manager_.get(), 300, 200);
    if (window_->hwnd() == nullptr) return nullptr;
    YdXmlParse parse;
    YdControl* root = parse.BuildWindow(nullptr, manager_.get(), skin, kXmlSourceText, L"", &callback_);
    if (root == nullptr) return nullptr;
    manager_->AttachRoot(root);
    manager_->AddNotifyListener(&listener_);
    PaintNow(window_->hwnd());
    notes_.clear();
    return root;
  }
  void TearDown() override {
    if (manager_ != nullptr) manager_->RemoveNotifyListener(&listener_);
    window_.reset();
    manager_.reset();
  }
  template <typename T>
  T* Named(const wchar_t* name, int kind) {
    YdControl* c = manager_->ControlByName(name);
    return c == nullptr ? nullptr : static_cast<T*>(c->QueryKind(kind));
  }
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(window_->hwnd(), msg, wParam, lParam); }
  void Down(int x, int y) {
    Send(WM_MOUSEMOVE, 0, PointParam(x, y));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
  }
  void Move(int x, int y, bool pressed) { Send(WM_MOUSEMOVE, pressed ? MK_LBUTTON : 0, PointParam(x, y)); }
  void Up(int x, int y) { Send(WM_LBUTTONUP, 0, PointParam(x, y)); }
  void Click(int x, int y) {
    Down(x, y);
    Up(x, y);
  }
  void Click(YdControl* c) {
    const RECT r = c->GetPosition();
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  void Key(WORD vk) {
    Send(WM_KEYDOWN, vk, 1);
    Send(WM_KEYUP, vk, 0xC0000001);
  }
  void Repaint() { PaintNow(window_->hwnd()); }
  uint32_t Pixel(int x, int y) {
    PaintNow(window_->hwnd());
    return OffscreenPixel(*manager_, x, y);
  }
  std::vector<Pair> NotesOf(int type) const {
    std::vector<Pair> out;
    for (const Noted& n : notes_) {
      if (n.type == type) out.emplace_back(n.sender, n.wParam);
    }
    return out;
  }
  // The kinds among `kinds` that `c` answers.
  static std::vector<int> Answers(YdControl* c, const std::vector<int>& kinds) {
    std::vector<int> out;
    for (int k : kinds) {
      if (c->QueryKind(k) == c) out.push_back(k);
    }
    return out;
  }

  std::unique_ptr<YdPaintManager> manager_;
  std::unique_ptr<ManagerWindow> window_;
  PlainControls callback_;
  std::vector<Noted> notes_;
  RecordingListener listener_{&notes_, 1};
};

// Every kind code of the element set, for QueryKind checks.
inline std::vector<int> AllKinds() {
  return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 26, 28};
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
