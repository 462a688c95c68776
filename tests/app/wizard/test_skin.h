// test_skin.h -- a stand-in skin for the wizard and dialog tests: a builder
// that makes the two windows' controls (plain controls in one panel, with
// the ids, sizes and starting states of the setup's skin), and a ring that
// records every image it is asked to show.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "app/wizard/setup_wnd_logic.h"
#include "ui/control/control.h"
#include "ui/control/control_state.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {
namespace testing_setup {

// A control that owns children and lets the manager index them.
class TestPanel : public YdControl {
 public:
  ~TestPanel() override {
    for (YdControl* child : children_) delete child;
  }
  YdControl* Add(YdControl* child) {
    children_.push_back(child);
    child->SetParent(this);
    return child;
  }
  void SetManager(YdPaintManager* manager) override {
    YdControl::SetManager(manager);
    for (YdControl* child : children_) child->SetManager(manager);
  }
  YdControl* FindMatching(YdFindProc proc, void* data, unsigned flags) override {
    for (YdControl* child : children_) {
      if (YdControl* found = child->FindMatching(proc, data, flags)) return found;
    }
    return YdControl::FindMatching(proc, data, flags);
  }

 private:
  std::vector<YdControl*> children_;
};

// Records the normal image at every invalidation (the wizard sets the image
// and then invalidates the ring).
class RecordingRing : public YdControl {
 public:
  void Invalidate() override {
    images.push_back(GetNormalImage());
    YdControl::Invalidate();
  }
  std::vector<std::wstring> images;
};

inline YdControl* MakeControl(int id, bool visible = true, bool selected = false) {
  auto* control = new YdControl();
  control->SetId(id);
  control->SetVisible(visible);
  if (selected) control->SetStateBits(control->GetStateBits() | kStateSelected);
  return control;
}

class TestSkinBuilder : public ISkinBuilder {
 public:
  YdControl* BuildWindow(const YdSkinSource& skin, YdPaintManager& manager) override {
    windows.push_back(skin.windowName);
    auto* root = new TestPanel();
    if (skin.windowName == "ydMessageDlg") {
      manager.SetInitSize(300, 140);
      manager.SetMinInfo(300, 140);
      manager.SetMaxInfo(300, 140);
      root->Add(MakeControl(kDlgTitleId));
      root->Add(MakeControl(kDlgCloseId));
      YdControl* icon = root->Add(MakeControl(kDlgIconId));
      icon->SetNormalImage(L"res='205' restype='PNG' source='0,0,44,44'");
      root->Add(MakeControl(kDlgTextId));
      root->Add(MakeControl(kDlgConfirmId));
      root->Add(MakeControl(kDlgDeclineId));
      return root;
    }
    manager.SetInitSize(500, 280);
    manager.SetMinInfo(500, 280);
    manager.SetMaxInfo(500, 350);
    for (int id : {100, 101, 102, 104, 105, 106, 108, 109, 116, 122}) root->Add(MakeControl(id));
    for (int id : {103, 110, 111}) root->Add(MakeControl(id, true, true));
    for (int id : {107, 114, 121, 124}) root->Add(MakeControl(id, false));
    ring = new RecordingRing();
    ring->SetId(kProgressRingId);
    root->Add(ring);
    return root;
  }

  std::vector<std::string> windows;
  RecordingRing* ring = nullptr;
};

}  // namespace testing_setup
}  // namespace ZEPHYRA_NAMESPACE
