// Containers attached to a real window under Wine: painting with clipping
// (a float child over the inset, a normal child cut at the child area,
// topmost children last), keys and the wheel through the window's
// messages, the scroll-position notification, and deferred deletion
// through the manager's queue.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/ui/manager/manager_fixture.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/containers/linear_layouts.h"
#include "ui/controls/containers/scrollbar.h"
#include "ui/manager/event_types.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using test::ManagerTest;
using test::OffscreenPixel;
using test::PaintNow;
using test::RecordingControl;

YdControl* Make(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> attributes,
                YdControl* control = nullptr) {
  if (control == nullptr) control = new YdControl;
  for (const auto& a : attributes) control->ApplyAttribute(a.first, a.second);
  return control;
}

class ContainerWindowTest : public ManagerTest {
 protected:
  YdVerticalLayout* AttachLayout() {
    auto* root = new YdVerticalLayout;
    root->SetName(L"root");
    manager_->AttachRoot(root);
    manager_->AddNotifyListener(&scroll_);
    return root;
  }
  test::RecordingListener scroll_;
};

TEST_F(ContainerWindowTest, FloatChildPaintsOverTheInsetAndNormalChildrenAreClipped) {
  YdVerticalLayout* root = AttachLayout();
  Make({{L"inset", L"30,30,30,30"}, {L"normalbkcolor", L"#FFFFFFFF"}}, root);
  YdControl* wide = Make({{L"width", L"400"}, {L"height", L"50"}, {L"normalbkcolor", L"#FF00FF00"}});
  YdControl* corner = Make({{L"float", L"true"}, {L"pos", L"260,0,40,40"}, {L"width", L"40"},
                            {L"height", L"40"}, {L"normalbkcolor", L"#FFFF0000"}});
  root->AddChild(wide);
  root->AddChild(corner);
  PaintNow(hwnd_);
  const RECT w = wide->GetPosition();
  EXPECT_EQ(w.left, 30);
  EXPECT_EQ(w.right, 430);   // wider than the child area
  EXPECT_EQ(OffscreenPixel(*manager_, 100, 50), 0x00FF00u);
  EXPECT_EQ(OffscreenPixel(*manager_, 285, 50), 0xFFFFFFu);   // right inset: clipped
  EXPECT_EQ(OffscreenPixel(*manager_, 290, 10), 0xFF0000u);   // float child over the inset
}

TEST_F(ContainerWindowTest, TopmostChildIsPaintedAfterItsLaterSiblings) {
  YdContainer* root = new YdContainer;
  manager_->AttachRoot(root);
  YdControl* top = Make({{L"format", L"topmost"}, {L"normalbkcolor", L"#FF0000FF"}, {L"width", L"100"},
                         {L"height", L"100"}});
  YdControl* later = Make({{L"normalbkcolor", L"#FFFF0000"}, {L"width", L"60"}, {L"height", L"60"}});
  root->AddChild(top);
  root->AddChild(later);
  PaintNow(hwnd_);
  EXPECT_EQ(OffscreenPixel(*manager_, 20, 20), 0x0000FFu);
  // Without the bit the later sibling covers it.
  YdControl* plain = Make({{L"normalbkcolor", L"#FF00FF00"}, {L"width", L"100"}, {L"height", L"100"}});
  root->InsertChild(plain, 0);
  root->RemoveChild(top);
  PaintNow(hwnd_);
  EXPECT_EQ(OffscreenPixel(*manager_, 20, 20), 0xFF0000u);
  EXPECT_EQ(OffscreenPixel(*manager_, 80, 80), 0x00FF00u);
}

TEST_F(ContainerWindowTest, KeysAndWheelScrollThroughTheWindow) {
  YdVerticalLayout* root = AttachLayout();
  root->ApplyAttribute(L"vscrollbar", L"true");
  YdControl* tall = Make({{L"height", L"500"}, {L"width", L"50"}});
  root->AddChild(tall);
  PaintNow(hwnd_);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  const int range = 500 - client.bottom;
  ASSERT_GT(range, 0);
  ASSERT_EQ(root->GetScrollRange().cy, range);
  manager_->SetFocusControl(root, false);

  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(root->GetScrollPosition().cy, 8);
  EXPECT_EQ(tall->GetPosition().top, -8);
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(root->GetScrollPosition().cy, range);
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(root->GetScrollPosition().cy, 0);
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(root->GetScrollPosition().cy, std::min(range, static_cast<int>(client.bottom)));
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_HOME, 0);
  ::SendMessageW(hwnd_, WM_KEYDOWN, 'A', 0);   // not a scrolling key
  EXPECT_EQ(root->GetScrollPosition().cy, 0);

  // The wheel at a point beside the narrow child reaches the layout itself.
  POINT at{150, 40};
  ::ClientToScreen(hwnd_, &at);
  ::SendMessageW(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(at.x, at.y));
  EXPECT_EQ(root->GetScrollPosition().cy, 8);
  ::SendMessageW(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(at.x, at.y));
  EXPECT_EQ(root->GetScrollPosition().cy, 0);

  // Each change raised 32 from the bar with position x 100 / range.
  ASSERT_FALSE(scroll_.Of(kNotifyScrollPos).empty());
  EXPECT_EQ(scroll_.Of(kNotifyScrollPos).front().sender, root->GetVerticalScrollBar());
  EXPECT_EQ(scroll_.Of(kNotifyScrollPos).front().wParam, static_cast<WPARAM>(8 * 100 / range));
  EXPECT_EQ(scroll_.Of(kNotifyScrollPos).front().lParam, 8);
}

TEST_F(ContainerWindowTest, BarPositionNotificationCarriesPercentAndPosition) {
  YdVerticalLayout* root = AttachLayout();
  auto* bar = new YdScrollbar;
  root->AddChild(bar);
  bar->SetBarRange(60);
  EXPECT_TRUE(scroll_.Of(kNotifyScrollPos).empty());   // a range change raises nothing
  bar->SetBarPosition(30);
  ASSERT_EQ(scroll_.Of(kNotifyScrollPos).size(), 1u);
  EXPECT_EQ(scroll_.Of(kNotifyScrollPos)[0].wParam, 50u);
  EXPECT_EQ(scroll_.Of(kNotifyScrollPos)[0].lParam, 30);
  bar->SetBarPosition(30);   // unchanged: nothing
  bar->SetBarPosition(500);  // clamped to 60
  ASSERT_EQ(scroll_.Of(kNotifyScrollPos).size(), 2u);
  EXPECT_EQ(scroll_.Of(kNotifyScrollPos)[1].wParam, 100u);
  EXPECT_EQ(bar->GetBarPosition(), 60);
}

TEST_F(ContainerWindowTest, RemoveAllChildrenDestroysThemAfterTheCurrentMessage) {
  YdVerticalLayout* root = AttachLayout();
  int destroyed = 0;
  auto* a = new RecordingControl(L"a");
  auto* b = new RecordingControl(L"b");
  a->destroyed_ = &destroyed;
  b->destroyed_ = &destroyed;
  root->AddChild(a);
  root->AddChild(b);
  PaintNow(hwnd_);
  root->RemoveAllChildren();
  EXPECT_EQ(root->ChildCount(), 0);
  EXPECT_EQ(destroyed, 0);
  EXPECT_EQ(manager_->DeletionQueueSize(), 2u);
  EXPECT_EQ(a->GetParent(), nullptr);
  PumpMessages();
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(manager_->DeletionQueueSize(), 0u);

  // Immediate removal destroys at once; without auto-destroy nothing dies.
  auto* c = new RecordingControl(L"c");
  c->destroyed_ = &destroyed;
  root->AddChild(c);
  root->RemoveAllChildrenNow();
  EXPECT_EQ(destroyed, 3);
  RecordingControl kept(L"kept");
  kept.destroyed_ = &destroyed;
  root->SetAutoDestroy(false);
  root->AddChild(&kept);
  root->RemoveAllChildren();
  PumpMessages();
  EXPECT_EQ(destroyed, 3);
  EXPECT_EQ(kept.GetParent(), nullptr);
}

TEST_F(ContainerWindowTest, ChildrenAddedLaterGetTheManagerAndScrollBarsGetItsDefaults) {
  manager_->SetClassDefaults(L"VScrollBar", L"linesize=\"13\"");
  YdVerticalLayout* root = AttachLayout();
  auto* inner = new YdVerticalLayout;
  YdControl* leaf = Make({});
  inner->AddChild(leaf);
  EXPECT_EQ(leaf->GetManager(), nullptr);
  root->AddChild(inner);
  EXPECT_EQ(leaf->GetManager(), manager_);
  root->ApplyAttribute(L"vscrollbar", L"true");
  ASSERT_NE(root->GetVerticalScrollBar(), nullptr);
  EXPECT_EQ(root->GetVerticalScrollBar()->GetLineSize(), 13);
  EXPECT_EQ(root->GetVerticalScrollBar()->GetManager(), manager_);
  EXPECT_EQ(root->GetVerticalScrollBar()->GetOwner(), root);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
