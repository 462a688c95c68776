// wnd_control_test.cpp -- YdWndControl from a literal skin: its children
// are built into a child window of its own over its rectangle, the window
// follows the control's visibility and rectangle, a click inside is
// announced to the outer window's listener, and the window goes with the
// control.
#include "tests/ui/controls/edit_picture/edit_picture_fixture.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/edit_picture/wnd_control.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

namespace {

constexpr wchar_t kSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page" normalbkcolor="#FF808080">
    <Control name="top" height="40" />
    <WndControl name="wc" id="50" height="100">
      <HorizontalLayout name="innerpage" normalbkcolor="#FF00FF00">
        <Button name="inner" width="60" normalimage="m3_red" notify="click" />
      </HorizontalLayout>
    </WndControl>
    <Control />
  </VerticalLayout>
</Window>)";

TEST_F(EditPictureTest, WndControlBuildsItsPartInAChildWindow) {
  ASSERT_NE(Build(kSkin), nullptr);
  YdControl* control = manager_->ControlByName(L"wc");
  ASSERT_NE(control, nullptr);
  auto* wc = static_cast<YdWndControl*>(control->WindowControlReceiver());
  ASSERT_NE(wc, nullptr);
  EXPECT_EQ(wc->GetWindowControlInfo().id, 50);
  EXPECT_EQ(manager_->ControlByName(L"inner"), nullptr) << "the children belong to the inner window";
  HWND child = wc->GetWindow();
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(::GetParent(child), hwnd_);
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right, 300);
  EXPECT_EQ(r.bottom, 140);
  EXPECT_TRUE(::IsWindowVisible(child));

  YdPaintManager& inner = wc->InnerManager();
  YdControl* button = inner.ControlByName(L"inner");
  ASSERT_NE(button, nullptr);
  PaintNow(child);
  EXPECT_EQ(OffscreenPixel(inner, 30, 50), 0xFF0000u);
  EXPECT_EQ(OffscreenPixel(inner, 200, 50), 0x00FF00u);

  // A click inside reaches the outer listener, sent by the inner button.
  ::SendMessageW(child, WM_MOUSEMOVE, 0, PointParam(30, 50));
  ::SendMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(30, 50));
  ::SendMessageW(child, WM_LBUTTONUP, 0, PointParam(30, 50));
  const auto clicks = NotesOf(kNotifyClick);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].first, button);

  wc->SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(child));
  wc->SetVisible(true);
  wc->SetPosition({10, 20, 110, 70});
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right, 110);
  EXPECT_EQ(r.bottom, 70);

  auto* page = static_cast<YdContainer*>(manager_->ControlByName(L"page")->QueryKind(kKindContainer));
  page->SetAutoDestroy(false);
  ASSERT_TRUE(page->RemoveChild(wc));
  delete wc;
  EXPECT_FALSE(::IsWindow(child));
}

TEST(WndControlAlone, WithoutSkinDataItMakesNoWindow) {
  YdWndControl wc;
  wc.SetPosition({0, 0, 50, 50});
  EXPECT_EQ(wc.GetWindow(), nullptr);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
