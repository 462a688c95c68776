// The scroll bar of a container on a real window under Wine: pressing its
// buttons, the track and the thumb through window messages, repeat while a
// button is held, thumb dragging, the frames drawn for parts without
// images, and auto-hide bars following the cursor on the 30 ms timer.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/ui/manager/manager_fixture.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/containers/linear_layouts.h"
#include "ui/controls/containers/scrollbar.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using test::ManagerTest;
using test::OffscreenPixel;
using test::PaintNow;
using test::PointParam;

constexpr uint32_t kPartFrame = 0x85E4FFu;

class ScrollbarTest : public ManagerTest {
 protected:
  // A 300 x 200 layout holding 600 rows: range 400, bar at x 284..300.
  YdVerticalLayout* Attach(bool autoHide = false) {
    auto* root = new YdVerticalLayout;
    root->ApplyAttribute(L"normalbkcolor", L"#FFFFFFFF");
    if (autoHide) root->ApplyAttribute(L"autohidescrollbar", L"true");
    root->ApplyAttribute(L"vscrollbar", L"true");
    auto* tall = new YdControl;
    tall->ApplyAttribute(L"height", L"600");
    tall->ApplyAttribute(L"width", L"100");
    root->AddChild(tall);
    manager_->AttachRoot(root);
    // As a skinned window does: listening initializes the tree, which puts
    // an auto-hide container on the manager's timer.
    manager_->AddNotifyListener(&listener_);
    PaintNow(hwnd_);
    return root;
  }
  void Down(int x, int y) { ::SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y)); }
  void Move(int x, int y) { ::SendMessageW(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, PointParam(x, y)); }
  void Up(int x, int y) { ::SendMessageW(hwnd_, WM_LBUTTONUP, 0, PointParam(x, y)); }
};

TEST_F(ScrollbarTest, ButtonsTrackAndThumbScrollTheOwner) {
  YdVerticalLayout* root = Attach();
  YdScrollbar* bar = root->GetVerticalScrollBar();
  ASSERT_TRUE(bar->IsVisible());
  ASSERT_EQ(bar->GetBarRange(), 400);
  const YdScrollbarParts parts = bar->Parts();
  EXPECT_EQ(parts.button1.bottom, 16);
  EXPECT_EQ(parts.button2.top, 184);
  EXPECT_EQ(parts.thumb.top, 16);
  EXPECT_EQ(parts.thumb.bottom, 72);   // max(16, 200 x 168 / 600)

  Down(292, 190);   // button 2: one line forward
  EXPECT_EQ(root->GetScrollPosition().cy, 8);
  EXPECT_NE(bar->Button2State() & YdScrollbar::kPartPushed, 0);
  Up(292, 190);
  EXPECT_EQ(bar->Button2State() & YdScrollbar::kPartPushed, 0);
  Down(292, 8);     // button 1: back
  Up(292, 8);
  EXPECT_EQ(root->GetScrollPosition().cy, 0);
  Down(292, 150);   // track after the thumb: a page
  Up(292, 150);
  EXPECT_EQ(root->GetScrollPosition().cy, 200);
  Down(292, 20);    // track before the thumb (now at 72..128): a page back
  Up(292, 20);
  EXPECT_EQ(root->GetScrollPosition().cy, 0);

  // Dragging the thumb 28 of 112 free pixels moves a quarter of the range.
  Down(292, 40);
  EXPECT_TRUE(bar->IsCaptured());
  Move(292, 68);
  PumpFor(150);
  EXPECT_EQ(root->GetScrollPosition().cy, 100);
  Up(292, 68);
  EXPECT_FALSE(bar->IsCaptured());
  EXPECT_EQ(root->ChildAt(0)->GetPosition().top, -100);
}

TEST_F(ScrollbarTest, AHeldButtonRepeatsAfterAboutThreeHundredMilliseconds) {
  YdVerticalLayout* root = Attach();
  Down(292, 190);
  PumpFor(150);
  EXPECT_EQ(root->GetScrollPosition().cy, 8);   // no repeat yet
  PumpFor(500);
  EXPECT_GE(root->GetScrollPosition().cy, 16);
  Up(292, 190);
  const int held = root->GetScrollPosition().cy;
  PumpFor(200);
  EXPECT_EQ(root->GetScrollPosition().cy, held);   // the timer stopped
}

TEST_F(ScrollbarTest, PartsWithoutImagesAreFramedAndAutoHideFollowsTheCursor) {
  YdVerticalLayout* root = Attach(true);
  ASSERT_TRUE(root->IsAutoHideScrollBars());
  RECT window{};
  ::GetWindowRect(hwnd_, &window);
  POINT inside{100, 100};
  ::ClientToScreen(hwnd_, &inside);
  ASSERT_TRUE(::SetCursorPos(inside.x, inside.y));
  ::SendMessageW(hwnd_, WM_TIMER, kAutoHideTimerId, 0);
  EXPECT_FALSE(root->IsPointerOutside());
  PaintNow(hwnd_);
  EXPECT_EQ(OffscreenPixel(*manager_, 284, 0), kPartFrame);     // button 1's frame
  EXPECT_EQ(OffscreenPixel(*manager_, 284, 184), kPartFrame);   // button 2's frame

  ASSERT_TRUE(::SetCursorPos(window.right + 40, window.bottom + 40));
  ::SendMessageW(hwnd_, WM_TIMER, kAutoHideTimerId, 0);
  EXPECT_TRUE(root->IsPointerOutside());
  PaintNow(hwnd_);
  EXPECT_EQ(OffscreenPixel(*manager_, 284, 0), 0xFFFFFFu);   // bar not painted
  EXPECT_EQ(OffscreenPixel(*manager_, 284, 184), 0xFFFFFFu);
}

// The 30 ms tick of the auto-hide bars runs while a container needs it:
// turning auto-hide off, or the last such container going, stops it.
// KillTimer tells whether the timer still ran.
TEST_F(ScrollbarTest, TheAutoHideTickStopsWithTheLastAutoHideContainer) {
  YdVerticalLayout* root = Attach(true);
  root->ApplyAttribute(L"autohidescrollbar", L"false");
  EXPECT_FALSE(::KillTimer(hwnd_, kAutoHideTimerId));
  root->ApplyAttribute(L"autohidescrollbar", L"true");
  manager_->AttachRoot(new YdVerticalLayout);
  ::SendMessageW(hwnd_, kDeletionQueueMessage, 0, 0);
  EXPECT_FALSE(::KillTimer(hwnd_, kAutoHideTimerId));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
