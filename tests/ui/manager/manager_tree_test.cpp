// manager_tree_test.cpp -- the paint manager's tree: attaching a root and
// its indexes, releasing controls, deferred deletion, notifications in
// listener order, message filters, default attribute lists and groups.
#include "tests/ui/manager/manager_fixture.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST_F(ManagerTest, AttachRootIndexesNamesAndIdsFirstOneWins) {
  EXPECT_EQ(manager_->ControlById(7), nullptr);  // no root yet
  auto* a = new RecordingControl(L"a", 7);
  auto* b = new RecordingControl(L"a", 7);  // same name and id: the first wins
  auto* c = new RecordingControl(L"", 0);
  auto* root = AttachTree({a, b, c});
  EXPECT_EQ(manager_->GetRoot(), root);
  EXPECT_EQ(manager_->ControlByName(L"a"), a);
  EXPECT_EQ(manager_->ControlById(7), a);
  EXPECT_EQ(manager_->ControlByName(L"root"), root);
  EXPECT_EQ(manager_->ControlById(0), nullptr);    // zero ids are not indexed
  EXPECT_EQ(manager_->ControlByName(L""), nullptr);  // nor empty names
  EXPECT_EQ(c->GetManager(), manager_);            // SetManager reached the children
  EXPECT_TRUE(manager_->IsControlVisible(7));
  a->SetEnabled(false);
  EXPECT_FALSE(manager_->IsControlEnabled(7));
  EXPECT_FALSE(manager_->IsControlVisible(99));
}

TEST_F(ManagerTest, ControlsAddedOrNamedAfterAttachRootAreFound) {
  auto* root = AttachTree({});
  auto* late = new RecordingControl(L"late", 11);
  root->Add(late);
  EXPECT_EQ(manager_->ControlByName(L"late"), late);
  EXPECT_EQ(manager_->ControlById(11), late);
  // Named after it joined the tree (the builder applies attributes after
  // adding the children): found by a search of the tree.
  auto* unnamed = new RecordingControl(L"", 0);
  root->Add(unnamed);
  unnamed->SetName(L"named later");
  unnamed->SetId(12);
  EXPECT_EQ(manager_->ControlByName(L"named later"), unnamed);
  EXPECT_EQ(manager_->ControlById(12), unnamed);
  EXPECT_EQ(manager_->ControlByName(L"nobody"), nullptr);
  EXPECT_EQ(manager_->ControlById(404), nullptr);
  // Destroyed: forgotten again.
  root->Remove(late);
  delete late;
  EXPECT_EQ(manager_->ControlByName(L"late"), nullptr);
  EXPECT_EQ(manager_->ControlById(11), nullptr);
}

TEST_F(ManagerTest, OldRootIsQueuedAndDeletedByTheDeletionMessage) {
  int destroyed = 0;
  auto* old = new RecordingControl(L"old", 1);
  old->destroyed_ = &destroyed;
  AttachTree({old});
  auto* fresh = new TestContainer();
  manager_->AttachRoot(fresh);
  EXPECT_EQ(destroyed, 0);  // not deleted at once
  EXPECT_EQ(manager_->DeletionQueueSize(), 1u);
  EXPECT_EQ(manager_->ControlById(1), nullptr);  // the index follows the new tree
  ::SendMessageW(hwnd_, kDeletionQueueMessage, 0, 0);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(manager_->DeletionQueueSize(), 0u);
}

TEST_F(ManagerTest, PostDeletionEmptiesTheQueueWhenTheMessageArrives) {
  auto* root = AttachTree({});
  int destroyed = 0;
  auto* doomed = new RecordingControl(L"doomed", 3);
  doomed->destroyed_ = &destroyed;
  root->Add(doomed);
  root->Remove(doomed);
  manager_->PostDeletion(doomed);
  EXPECT_EQ(destroyed, 0);
  PumpMessages();
  EXPECT_EQ(destroyed, 1);
}

TEST_F(ManagerTest, QueuedControlsAreDeletedWithTheManager) {
  int destroyed = 0;
  auto* queued = new RecordingControl();
  queued->destroyed_ = &destroyed;
  manager_->QueueForDeletion(queued);
  delete manager_;
  manager_ = new YdPaintManager();  // TearDown deletes this one
  EXPECT_EQ(destroyed, 1);
}

// The deletion queue frees each control once and nothing live: not the
// root attached again, not a control put back into the tree before the
// queue was emptied. A queued control is out of the manager's reach at once.
TEST_F(ManagerTest, TheDeletionQueueFreesWhatLeftTheTreeOnce) {
  int destroyed = 0;
  auto* back = new RecordingControl(L"back", 0, {0, 0, 50, 50});
  auto* twice = new RecordingControl(L"twice");
  back->destroyed_ = twice->destroyed_ = &destroyed;
  TestContainer* root = AttachTree({back});
  manager_->AttachRoot(root);  // the same root again
  PaintNow(hwnd_);
  ::SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  ASSERT_EQ(manager_->GetPushedControl(), back);
  root->Remove(back);
  manager_->QueueForDeletion(back);
  EXPECT_EQ(manager_->GetPushedControl(), nullptr);
  EXPECT_FALSE(manager_->IsMouseCaptured());
  root->Add(back);  // taken back
  manager_->QueueForDeletion(twice);
  manager_->QueueForDeletion(twice);
  ::SendMessageW(hwnd_, kDeletionQueueMessage, 0, 0);
  EXPECT_EQ(destroyed, 1);  // `twice`, once
  EXPECT_EQ(manager_->GetRoot(), root);
  EXPECT_EQ(manager_->ControlByName(L"back"), back);
  ::SendMessageW(hwnd_, WM_LBUTTONUP, 0, PointParam(10, 10));
  back->destroyed_ = nullptr;  // deleted with the manager, after `destroyed` is gone
}

TEST_F(ManagerTest, DestroyedControlIsForgottenByTheManager) {
  auto* a = new RecordingControl(L"a", 5, {0, 0, 50, 50});
  a->SetFlag(kFlagTabStop, true);
  auto* root = AttachTree({a});
  PaintNow(hwnd_);
  ASSERT_EQ(manager_->GetFocusControl(), a);
  ::SendMessageW(hwnd_, WM_MOUSEMOVE, 0, PointParam(10, 10));
  ASSERT_EQ(manager_->GetHoverControl(), a);
  ASSERT_TRUE(manager_->StartControlTimer(a, 1, 1000));
  manager_->AddTimerListener(a);
  root->Remove(a);
  delete a;
  EXPECT_EQ(manager_->GetFocusControl(), nullptr);
  EXPECT_EQ(manager_->GetHoverControl(), nullptr);
  EXPECT_EQ(manager_->ControlById(5), nullptr);
  EXPECT_EQ(manager_->ControlByName(L"a"), nullptr);
  EXPECT_TRUE(manager_->ControlTimers().Records().empty());
  // A timer tick after the deletion reaches nobody (it would crash otherwise).
  ::SendMessageW(hwnd_, WM_TIMER, 1, 0);
}

TEST_F(ManagerTest, NotificationsReachListenersInRegistrationOrderOnce) {
  auto* a = new RecordingControl(L"a", 1);
  AttachTree({a});
  RecordingListener second(&notes_, 2);
  manager_->AddNotifyListener(&second);
  manager_->AddNotifyListener(&listener_);  // already present: not added twice
  ::SendMessageW(hwnd_, WM_MOUSEMOVE, 0, PointParam(33, 44));
  notes_.clear();
  manager_->RaiseNotify(a, kNotifyCustom, 9, 0);
  ASSERT_EQ(notes_.size(), 2u);
  EXPECT_EQ(notes_[0].listener, 1);
  EXPECT_EQ(notes_[1].listener, 2);
  EXPECT_EQ(notes_[0].sender, a);
  EXPECT_EQ(notes_[0].wParam, 9u);
  // A point of (0, 0) becomes the last mouse position.
  EXPECT_EQ(notes_[0].point.x, 33);
  EXPECT_EQ(notes_[0].point.y, 44);
  EXPECT_TRUE(manager_->RemoveNotifyListener(&second));
  notes_.clear();
  YdNotifyMsg msg;
  msg.type = kNotifyCustom;
  msg.point = {5, 0};  // not both zero: kept
  manager_->RaiseNotify(msg);
  ASSERT_EQ(notes_.size(), 1u);
  EXPECT_EQ(notes_[0].point.x, 5);
  EXPECT_NE(msg.timestamp, 0u);
}

// A listener taken out by an earlier one (it may be gone) hears no more,
// not even the notification under way.
TEST_F(ManagerTest, AListenerRemovedDuringANotificationIsNotCalled) {
  AttachTree({});
  RecordingListener second(&notes_, 2);
  manager_->AddNotifyListener(&second);
  listener_.onNotify = [&](YdNotifyMsg&) { manager_->RemoveNotifyListener(&second); };
  manager_->RaiseNotify(nullptr, kNotifyCustom);
  ASSERT_EQ(notes_.size(), 1u);
  EXPECT_EQ(notes_[0].listener, 1);
}

class Filter : public IWindowMessageFilter {
 public:
  Filter(std::vector<int>* order, int tag, bool handles) : order_(order), tag_(tag), handles_(handles) {}
  LRESULT FilterMessage(UINT msg, WPARAM, LPARAM, bool& handled) override {
    if (msg != WM_ERASEBKGND) return 0;
    order_->push_back(tag_);
    handled = handles_;
    return 77;
  }

 private:
  std::vector<int>* order_;
  int tag_;
  bool handles_;
};

TEST_F(ManagerTest, MessageFiltersRunInOrderAndTheFirstHandlerWins) {
  std::vector<int> order;
  Filter passes(&order, 1, false), takes(&order, 2, true), never(&order, 3, true);
  manager_->AddMessageFilter(&passes);
  manager_->AddMessageFilter(&takes);
  manager_->AddMessageFilter(&never);
  LRESULT result = 0;
  EXPECT_TRUE(manager_->HandleWindowMessage(WM_ERASEBKGND, 0, 0, result));
  EXPECT_EQ(result, 77);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_TRUE(manager_->RemoveMessageFilter(&takes));
  EXPECT_FALSE(manager_->RemoveMessageFilter(&takes));
  order.clear();
  EXPECT_TRUE(manager_->HandleWindowMessage(WM_ERASEBKGND, 0, 0, result));
  EXPECT_EQ(order, (std::vector<int>{1, 3}));
  manager_->RemoveMessageFilter(&never);
  manager_->RemoveMessageFilter(&passes);
  // The manager's own row: result 1.
  EXPECT_TRUE(manager_->HandleWindowMessage(WM_ERASEBKGND, 0, 0, result));
  EXPECT_EQ(result, 1);
}

TEST(ManagerUnboundTest, NothingIsHandledBeforeBinding) {
  YdPaintManager manager;
  LRESULT result = 5;
  EXPECT_FALSE(manager.HandleWindowMessage(WM_ERASEBKGND, 0, 0, result));
  EXPECT_EQ(result, 5);
  RecordingControl c;
  EXPECT_FALSE(manager.StartControlTimer(&c, 1, 10));
  EXPECT_EQ(manager.AllocateRawTimer(10), -1);
}

TEST_F(ManagerTest, ClassDefaultsAndGroups) {
  manager_->SetClassDefaults(L"Button", L"a=\"1\"");
  manager_->SetClassDefaults(L"Button", L"b=\"2\"");
  EXPECT_EQ(manager_->GetClassDefaults(L"Button"), L"b=\"2\"");
  manager_->RemoveClassDefaults(L"Button");
  EXPECT_EQ(manager_->GetClassDefaults(L"Button"), L"");
  RecordingControl a, b;
  EXPECT_EQ(manager_->GetGroup(4), nullptr);
  EXPECT_TRUE(manager_->AddToGroup(4, &a));
  EXPECT_FALSE(manager_->AddToGroup(4, &a));
  EXPECT_TRUE(manager_->AddToGroup(4, &b));
  ASSERT_NE(manager_->GetGroup(4), nullptr);
  EXPECT_EQ(manager_->GetGroup(4)->size(), 2u);
  manager_->RemoveFromGroup(4, &a);
  EXPECT_EQ(*manager_->GetGroup(4), (std::vector<YdControl*>{&b}));
}

TEST_F(ManagerTest, BoundManagersListFollowsBindingAndDestruction) {
  const auto& list = YdPaintManager::BoundManagers();
  EXPECT_NE(std::find(list.begin(), list.end(), manager_), list.end());
  auto* other = new YdPaintManager();
  EXPECT_EQ(std::find(list.begin(), list.end(), other), list.end());
  other->BindWindow(hwnd_);
  EXPECT_NE(std::find(list.begin(), list.end(), other), list.end());
  delete other;
  EXPECT_EQ(std::find(list.begin(), list.end(), other), list.end());
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
