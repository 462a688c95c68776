// skin_window_fixture.h -- a paint manager in a window of its own, a control
// tree built into it from literal skin XML, and every notification recorded
// with both parameters.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/ui/manager/manager_fixture.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/popup/popup_controls.h"
#include "ui/window/window_impl_base.h"
#include "ui/skin/xml_parse.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

struct Note {
  int type;
  YdControl* sender;
  WPARAM wParam;
  LPARAM lParam;
};

class NoteLog : public INotify {
 public:
  void Notify(YdNotifyMsg& msg) override { notes.push_back({msg.type, msg.sender, msg.wParam, msg.lParam}); }
  std::vector<Note> Of(int type) const {
    std::vector<Note> out;
    for (const Note& n : notes) {
      if (n.type == type) out.push_back(n);
    }
    return out;
  }
  std::vector<Note> notes;
};

class PlainElements : public IBuilderCallback {
 public:
  YdControl* CreateCustomControl(const wchar_t*) override { return nullptr; }
};

class SkinWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (manager_ != nullptr) manager_->RemoveNotifyListener(&log_);
    window_.reset();
    manager_.reset();
    PumpMessages();
  }
  YdControl* Build(const std::wstring& xml, int width = 300, int height = 200) {
    RegisterBasicControls();
    RegisterPopupControls();
    manager_ = std::make_unique<YdPaintManager>();
    window_ = std::make_unique<ManagerWindow>(manager_.get(), width, height);
    if (window_->hwnd() == nullptr) return nullptr;
    YdXmlParse parse;
    YdControl* root = parse.BuildWindow(nullptr, manager_.get(), xml, kXmlSourceText, L"", &callback_);
    if (root == nullptr) return nullptr;
    manager_->AttachRoot(root);
    manager_->AddNotifyListener(&log_);
    PaintNow(window_->hwnd());
    return root;
  }
  HWND hwnd() const { return window_->hwnd(); }
  template <typename T>
  T* Named(const wchar_t* name, int kind) {
    YdControl* c = manager_->ControlByName(name);
    return c == nullptr ? nullptr : static_cast<T*>(c->QueryKind(kind));
  }
  static void Click(HWND window, POINT pt) {
    const LPARAM at = PointParam(pt.x, pt.y);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, at);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
  }
  static POINT Centre(const YdControl* c) {
    const RECT r = c->GetPosition();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  std::unique_ptr<YdPaintManager> manager_;
  std::unique_ptr<ManagerWindow> window_;
  PlainElements callback_;
  NoteLog log_;
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
