// active_x_logic_test.cpp -- the ActiveX host's decisions: class name
// forms, object and host-window rectangles and the part in view,
// document-host flags, HIMETRIC
// sizes and the messages a windowless object is offered.
#include <gtest/gtest.h>
#include <mshtmhst.h>

#include "ui/controls/activex/active_x_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(ActiveXLogicTest, ClassNameForms) {
  EXPECT_EQ(ClassifyClassName(L"{8856F961-340A-11D0-A96B-00C04FD705A2}"), YdClassNameForm::kGuid);
  EXPECT_EQ(ClassifyClassName(L"  {8856F961-340A-11D0-A96B-00C04FD705A2} "), YdClassNameForm::kGuid);
  EXPECT_EQ(ClassifyClassName(L"Shell.Explorer.2"), YdClassNameForm::kProgId);
  EXPECT_EQ(ClassifyClassName(L"{8856F961-340A"), YdClassNameForm::kEmpty);
  EXPECT_EQ(ClassifyClassName(L""), YdClassNameForm::kEmpty);
  EXPECT_EQ(ClassifyClassName(L" \t "), YdClassNameForm::kEmpty);
}

TEST(ActiveXLogicTest, RectanglesOfWindowedAndWindowlessObjects) {
  const RECT pos{40, 10, 140, 70};
  const YdActiveXRects windowed = ActiveXRectsFor(pos, false);
  EXPECT_EQ(windowed.hostWindow.left, 40);
  EXPECT_EQ(windowed.hostWindow.bottom, 70);
  EXPECT_EQ(windowed.object.left, 0);
  EXPECT_EQ(windowed.object.top, 0);
  EXPECT_EQ(windowed.object.right, 100);
  EXPECT_EQ(windowed.object.bottom, 60);
  const YdActiveXRects windowless = ActiveXRectsFor(pos, true);
  EXPECT_EQ(windowless.object.left, 40);
  EXPECT_EQ(windowless.object.top, 10);
  EXPECT_EQ(windowless.object.right, 140);
  EXPECT_EQ(windowless.object.bottom, 70);
  // An inverted rectangle (a control squeezed to nothing) gives an empty one.
  const YdActiveXRects squeezed = ActiveXRectsFor(RECT{50, 20, 30, 10}, false);
  EXPECT_EQ(squeezed.object.right, 0);
  EXPECT_EQ(squeezed.object.bottom, 0);
  EXPECT_EQ(squeezed.hostWindow.right, 50);
}

TEST(ActiveXLogicTest, HostWindowKeepsThePartItsContainersShow) {
  const RECT pos{10, 40, 110, 100};
  EXPECT_TRUE(HostWindowClipFor(pos, {RECT{0, 0, 300, 200}}).whole);
  // A list from y 50 to 90 inside a page: rows 10 to 50 of the host show.
  const YdHostWindowClip cut = HostWindowClipFor(pos, {RECT{0, 50, 200, 90}, RECT{0, 0, 300, 200}});
  EXPECT_FALSE(cut.whole);
  EXPECT_EQ(cut.visible.left, 0);
  EXPECT_EQ(cut.visible.top, 10);
  EXPECT_EQ(cut.visible.right, 100);
  EXPECT_EQ(cut.visible.bottom, 50);
  const YdHostWindowClip gone = HostWindowClipFor(pos, {RECT{0, 120, 200, 160}});
  EXPECT_FALSE(gone.whole);
  EXPECT_TRUE(::IsRectEmpty(&gone.visible));
}

TEST(ActiveXLogicTest, DocumentHostFlagsFollowTheKeys) {
  const DWORD plain = DocHostFlagsFor(false, true);
  EXPECT_NE(plain & DOCHOSTUIFLAG_NO3DBORDER, 0u);
  EXPECT_EQ(plain & DOCHOSTUIFLAG_SCROLL_NO, 0u);
  const DWORD bordered = DocHostFlagsFor(true, false);
  EXPECT_EQ(bordered & DOCHOSTUIFLAG_NO3DBORDER, 0u);
  EXPECT_NE(bordered & DOCHOSTUIFLAG_SCROLL_NO, 0u);
}

TEST(ActiveXLogicTest, MessagesOfAWindowlessObject) {
  EXPECT_TRUE(IsWindowlessMouseMessage(WM_LBUTTONDOWN));
  EXPECT_TRUE(IsWindowlessMouseMessage(WM_MOUSEMOVE));
  EXPECT_TRUE(IsWindowlessMouseMessage(WM_RBUTTONUP));
  EXPECT_FALSE(IsWindowlessMouseMessage(WM_MOUSEWHEEL));  // screen coordinates
  EXPECT_FALSE(IsWindowlessMouseMessage(WM_KEYDOWN));
  EXPECT_TRUE(IsWindowlessKeyMessage(WM_KEYDOWN));
  EXPECT_TRUE(IsWindowlessKeyMessage(WM_CHAR));
  EXPECT_TRUE(IsWindowlessKeyMessage(WM_SYSKEYUP));
  EXPECT_FALSE(IsWindowlessKeyMessage(WM_PAINT));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
