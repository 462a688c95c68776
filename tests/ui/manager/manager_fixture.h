// manager_fixture.h -- test scaffolding for the paint manager and the
// control base: a real top-level window whose procedure hands every message
// to a paint manager, a small container (the real containers come with the
// layouts) and a control that records the events it receives. Notes and
// the message pump come from tests/support.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/notes.h"
#include "tests/support/pump.h"
#include "ui/control/control.h"
#include "ui/control/control_logic.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

// Children placed at their fixed rectangles (fixed x, y, width, height),
// searched like a container: itself first with the sign bit, children from
// last to first with flag 8.
class TestContainer : public YdControl {
 public:
  ~TestContainer() override {
    for (YdControl* c : children_) delete c;
  }
  void Add(YdControl* child) {
    children_.push_back(child);
    child->SetParent(this);
    if (manager_ != nullptr) child->SetManager(manager_);
  }
  // Takes the child out without deleting it.
  void Remove(YdControl* child) {
    for (auto it = children_.begin(); it != children_.end(); ++it) {
      if (*it == child) {
        children_.erase(it);
        return;
      }
    }
  }
  void SetManager(YdPaintManager* manager) override {
    YdControl::SetManager(manager);
    for (YdControl* c : children_) c->SetManager(manager);
  }
  YdControl* FindMatching(YdFindProc proc, void* data, unsigned flags) override {
    if ((flags & kFindVisible) != 0 && !IsVisible()) return nullptr;
    if ((flags & kFindEnabled) != 0 && !IsEnabled()) return nullptr;
    if ((flags & kFindHitTest) != 0) {
      const POINT pt = *static_cast<const POINT*>(data);
      const RECT rc = GetPosition();
      if (!::PtInRect(&rc, pt)) return nullptr;
    }
    if ((flags & kFindMeFirst) != 0) {
      if (YdControl* me = proc(this, data)) return me;
    }
    const unsigned childFlags = flags;
    if ((flags & kFindTopFirst) != 0) {
      for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if (YdControl* found = (*it)->FindMatching(proc, data, childFlags)) return found;
      }
    } else {
      for (YdControl* c : children_) {
        if (YdControl* found = c->FindMatching(proc, data, childFlags)) return found;
      }
    }
    if ((flags & kFindMeFirst) == 0) return YdControl::FindMatching(proc, data, flags);
    return nullptr;
  }
  void SetPosition(const RECT& rc) override {
    YdControl::SetPosition(rc);
    ++placements_;
    for (YdControl* c : children_) {
      const POINT xy = c->GetFixedXY();
      c->SetPosition({rc.left + xy.x, rc.top + xy.y, rc.left + xy.x + c->GetFixedWidth(),
                      rc.top + xy.y + c->GetFixedHeight()});
    }
  }
  void Initialize() override {
    for (YdControl* c : children_) c->Initialize();
    YdControl::Initialize();
  }
  void Paint(HDC dc, const RECT& dirty) override {
    YdControl::Paint(dc, dirty);
    for (YdControl* c : children_) c->Paint(dc, dirty);
  }
  const std::vector<YdControl*>& Children() const { return children_; }
  int placements_ = 0;

 private:
  std::vector<YdControl*> children_;
};

// Records the type, sender, forwarder, point and parameters of every event,
// then runs `onEvent` (when set) on it.
class RecordingControl : public YdControl {
 public:
  explicit RecordingControl(const wchar_t* name = L"", int id = 0, RECT fixed = {0, 0, 0, 0}) {
    SetName(name);
    SetId(id);
    SetFixedXY({fixed.left, fixed.top});
    SetFixedWidth(fixed.right - fixed.left);
    SetFixedHeight(fixed.bottom - fixed.top);
  }
  ~RecordingControl() override {
    if (destroyed_ != nullptr) ++*destroyed_;
  }
  void HandleEvent(YdEvent& event) override {
    events_.push_back(event);
    if (onEvent) onEvent(event);
    YdControl::HandleEvent(event);
  }
  std::vector<int> Types() const {
    std::vector<int> t;
    for (const YdEvent& e : events_) t.push_back(e.type);
    return t;
  }
  int Count(int type) const {
    int n = 0;
    for (const YdEvent& e : events_) n += e.type == type;
    return n;
  }
  const YdEvent* Last(int type) const {
    for (auto it = events_.rbegin(); it != events_.rend(); ++it) {
      if (it->type == type) return &*it;
    }
    return nullptr;
  }
  std::vector<YdEvent> events_;
  int* destroyed_ = nullptr;
  std::function<void(const YdEvent&)> onEvent;
};

// A top-level window of `width` x `height` client pixels whose messages go
// to `manager` first.
class ManagerWindow {
 public:
  ManagerWindow(YdPaintManager* manager, int width, int height, DWORD exStyle = 0);
  ~ManagerWindow();
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

LPARAM PointParam(int x, int y);
// The 0x00RRGGBB colour of client pixel (x, y) of the manager's last
// off-screen surface.
uint32_t OffscreenPixel(const YdPaintManager& manager, int x, int y);
// Forces a synchronous WM_PAINT of the whole client area.
void PaintNow(HWND hwnd);
// The window every ManagerTest binds its manager to (300 x 200, shown).
HWND SharedTestWindow();

class ManagerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Root container filling the window with children; attached and listened to.
  TestContainer* AttachTree(std::initializer_list<YdControl*> children);
  int CountNotes(int type) const {
    int n = 0;
    for (const Noted& note : notes_) n += note.type == type;
    return n;
  }

  YdPaintManager* manager_ = nullptr;
  HWND hwnd_ = nullptr;
  std::vector<Noted> notes_;
  RecordingListener listener_{&notes_, 1};
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
