// The drop-shadow window under Wine: one-time initialisation, the layered
// click-through window owned by the parent, following the parent through
// moves, size changes, minimising, maximising, hiding and showing, and the
// pixels it uploads, checked against the shadow kernel.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "tests/support/pump.h"
#include "ui/window/shadow_bitmap.h"
#include "ui/window/shadow_state.h"
#include "ui/window/window_shadow.h"
#include "ui/window/window_wnd.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

class ParentWnd : public YdWindowWnd {
 public:
  ~ParentWnd() override {
    if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
  }
  const wchar_t* QueryClassName() const override { return L"YdTestShadowParent"; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_PAINT && ++paints == 1 && on_first_paint) on_first_paint();
    if (msg == WM_SIZE && round_on_size) {
      ::SetWindowRgn(GetHWND(), ::CreateRoundRectRgn(0, 0, LOWORD(lParam) + 1, HIWORD(lParam) + 1, 24, 24), TRUE);
    }
    return YdWindowWnd::ProcessMessage(msg, wParam, lParam);
  }
  int paints = 0;
  bool round_on_size = false;
  std::function<void()> on_first_paint;
};

class ShadowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    first_init_ = YdWindowShadow::InitializeShadows(::GetModuleHandleW(nullptr));
  }
  // A 200x100 popup at (100, 100) with a shadow of size 4 and offsets 0,
  // made as the setup window makes it: the shadow is created while the
  // window is still hidden, then the window is shown.
  void OpenParent(bool show = true) {
    ASSERT_NE(parent_.Create(nullptr, L"parent", WS_POPUP, 0, 100, 100, 200, 100), nullptr);
    shadow_.CreateShadow(parent_.GetHWND());
    shadow_.SetShadowSize(4);
    ASSERT_TRUE(shadow_.SetShadowOffsets(0, 0));
    if (show) {
      ::ShowWindow(parent_.GetHWND(), SW_SHOWNOACTIVATE);
      ASSERT_TRUE(PumpUntil([&] { return ShadowShown(); }, 1000));
    }
  }
  RECT ShadowRect() const {
    RECT r{};
    ::GetWindowRect(shadow_.GetShadowWindow(), &r);
    return r;
  }
  bool ShadowShown() const { return ::IsWindowVisible(shadow_.GetShadowWindow()) != FALSE; }

  static bool first_init_;
  ParentWnd parent_;
  YdWindowShadow shadow_;
};
bool ShadowTest::first_init_ = false;

TEST_F(ShadowTest, InitialisesOnceAndCreatesALayeredOwnedWindow) {
  EXPECT_TRUE(first_init_);
  EXPECT_FALSE(YdWindowShadow::InitializeShadows(::GetModuleHandleW(nullptr)));
  OpenParent();
  const HWND shadow = shadow_.GetShadowWindow();
  ASSERT_TRUE(::IsWindow(shadow));
  wchar_t name[64] = {};
  ::GetClassNameW(shadow, name, 64);
  EXPECT_STREQ(name, L"UmbraShadowWnd");
  const LONG_PTR ex = ::GetWindowLongPtrW(shadow, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_LAYERED);
  EXPECT_TRUE(ex & WS_EX_TRANSPARENT);
  EXPECT_EQ(::GetWindow(shadow, GW_OWNER), parent_.GetHWND());
  EXPECT_EQ(shadow_.GetStatus(), kShadowEnabled | kShadowVisible | kShadowParentVisible);
  EXPECT_TRUE(ShadowShown());
  const RECT r = ShadowRect();
  EXPECT_EQ(r.left, 96);
  EXPECT_EQ(r.top, 96);
  EXPECT_EQ(r.right, 304);
  EXPECT_EQ(r.bottom, 204);
  EXPECT_FALSE(shadow_.SetShadowOffsets(-21, 0));
  EXPECT_EQ(shadow_.GetParams().xOffset, 0);
  EXPECT_TRUE(shadow_.SetShadowOffsets(-20, 3));
  EXPECT_EQ(shadow_.GetParams().yOffset, 3);
  shadow_.SetShadowSize(1000);
  EXPECT_EQ(shadow_.GetParams().size, 127);
  EXPECT_EQ(ShadowRect().right - ShadowRect().left, 200 + 2 * 127);
  shadow_.SetShadowSize(-3);
  EXPECT_EQ(shadow_.GetParams().size, 0);

  // The parent's destruction takes the shadow window with it.
  ::DestroyWindow(parent_.GetHWND());
  EXPECT_FALSE(::IsWindow(shadow));
}

TEST_F(ShadowTest, FollowsMovesAndSizeChanges) {
  OpenParent();
  ::SetWindowPos(parent_.GetHWND(), nullptr, 300, 200, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r = ShadowRect();
  EXPECT_EQ(r.left, 296);
  EXPECT_EQ(r.top, 196);

  // Shrinking rebuilds at once.
  ::SetWindowPos(parent_.GetHWND(), nullptr, 0, 0, 150, 80, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(shadow_.GetLastImage().width, 158);
  EXPECT_EQ(shadow_.GetLastImage().height, 88);
  r = ShadowRect();
  EXPECT_EQ(r.right - r.left, 158);

  // Growing waits for the parent's next paint.
  ::SetWindowPos(parent_.GetHWND(), nullptr, 0, 0, 260, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(shadow_.GetLastImage().width, 158);
  ::RedrawWindow(parent_.GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(shadow_.GetLastImage().width, 268);
  EXPECT_EQ(shadow_.GetLastImage().height, 128);
  r = ShadowRect();
  EXPECT_EQ(r.left, 296);
  EXPECT_EQ(r.bottom - r.top, 128);
}

TEST_F(ShadowTest, HidesWhileTheParentIsMinimisedMaximisedOrHidden) {
  OpenParent();
  ASSERT_TRUE(ShadowShown());
  ::ShowWindow(parent_.GetHWND(), SW_MINIMIZE);
  PumpFor(30);
  EXPECT_FALSE(ShadowShown());
  EXPECT_FALSE(shadow_.GetStatus() & kShadowVisible);
  ::ShowWindow(parent_.GetHWND(), SW_RESTORE);
  PumpFor(30);
  EXPECT_TRUE(ShadowShown());

  ::ShowWindow(parent_.GetHWND(), SW_MAXIMIZE);
  PumpFor(30);
  EXPECT_FALSE(ShadowShown());
  ::ShowWindow(parent_.GetHWND(), SW_RESTORE);
  PumpFor(30);
  EXPECT_TRUE(ShadowShown());

  ::ShowWindow(parent_.GetHWND(), SW_HIDE);
  EXPECT_FALSE(ShadowShown());
  EXPECT_EQ(shadow_.GetStatus(), kShadowEnabled);
  ::ShowWindow(parent_.GetHWND(), SW_SHOWNOACTIVATE);
  // The shadow comes back through the WM_SIZE posted for a popup parent.
  ASSERT_TRUE(PumpUntil([&] { return ShadowShown(); }, 1000));
  EXPECT_EQ(shadow_.GetStatus(), kShadowEnabled | kShadowVisible | kShadowParentVisible);
}

TEST_F(ShadowTest, AParentAlreadyVisibleGetsItsShadowAtOnce) {
  ASSERT_NE(parent_.Create(nullptr, L"parent", WS_POPUP, 0, 100, 100, 200, 100), nullptr);
  ::ShowWindow(parent_.GetHWND(), SW_SHOWNOACTIVATE);
  shadow_.CreateShadow(parent_.GetHWND());
  EXPECT_TRUE(ShadowShown());
  // Defaults: size 0, offsets 5 and 5.
  const RECT r = ShadowRect();
  EXPECT_EQ(r.left, 105);
  EXPECT_EQ(r.top, 105);
  EXPECT_EQ(r.right, 305);
  EXPECT_EQ(r.bottom, 205);
  EXPECT_EQ(shadow_.GetLastImage().width, 200);
}

TEST_F(ShadowTest, AParentShownAfterCreateShadowGetsItsShadow) {
  OpenParent(false);
  EXPECT_FALSE(ShadowShown());
  EXPECT_EQ(shadow_.GetStatus(), kShadowEnabled);
  ::ShowWindow(parent_.GetHWND(), SW_SHOWNOACTIVATE);
  ASSERT_TRUE(PumpUntil([&] { return ShadowShown(); }, 1000));
  EXPECT_EQ(shadow_.GetLastImage().width, 208);
}

TEST_F(ShadowTest, AShownParentsFirstFrameDoesNotWaitForItsShadow) {
  // Building and showing the shadow costs more than many a first frame:
  // the parent paints first, and its shadow follows.
  OpenParent(false);
  bool shadowBeforeFirstFrame = true;
  parent_.on_first_paint = [&] { shadowBeforeFirstFrame = ShadowShown() || !shadow_.GetLastImage().pixels.empty(); };
  ::ShowWindow(parent_.GetHWND(), SW_SHOWNOACTIVATE);
  ASSERT_TRUE(PumpUntil([&] { return ShadowShown(); }, 1000));
  EXPECT_GE(parent_.paints, 1);
  EXPECT_FALSE(shadowBeforeFirstFrame);
  EXPECT_EQ(shadow_.GetLastImage().width, 208);
  EXPECT_EQ(shadow_.GetStatus(), kShadowEnabled | kShadowVisible | kShadowParentVisible);
  // Made after that frame, it is not made again by the next paint (a new
  // image is allocated before the last one goes, so its pixels move).
  const uint32_t* made = shadow_.GetLastImage().pixels.data();
  ::InvalidateRect(parent_.GetHWND(), nullptr, FALSE);
  ::UpdateWindow(parent_.GetHWND());
  EXPECT_EQ(shadow_.GetLastImage().pixels.data(), made);
}

TEST_F(ShadowTest, UploadedPixelsFollowTheKernelAndTheWindowShape) {
  OpenParent();
  const YdShadowImage image = shadow_.GetLastImage();
  ASSERT_EQ(image.width, 208);
  ASSERT_EQ(image.height, 108);
  YdShadowParams params;
  params.size = 4;
  params.xOffset = params.yOffset = 0;
  const YdShadowKernel kernel = MakeShadowKernel(params);
  ASSERT_EQ(kernel.radius, 5);
  // Mid-height row: the eroded outline starts at x = 5, the window covers
  // x = 4 onwards, so x = 0..3 show the kernel's row 0 at distances 5..2.
  for (int x = 0; x < 4; ++x) EXPECT_EQ(image.At(x, 54), kernel.At(x - 5, 0)) << x;
  for (int x = 204; x < 208; ++x) EXPECT_EQ(image.At(x, 54), kernel.At(x - 202, 0)) << x;
  EXPECT_EQ(image.At(4, 54), 0u);
  EXPECT_EQ(image.At(104, 54), 0u);
  // Black premultiplied: only alpha, rising towards the window.
  EXPECT_EQ(image.At(2, 54) & 0x00FFFFFFu, 0u);
  EXPECT_LT(image.At(0, 54) >> 24, image.At(3, 54) >> 24);
  EXPECT_GT(image.At(0, 54) >> 24, 0u);
  // The corner pixel of the image under the window's corner is covered.
  EXPECT_EQ(image.At(4, 4), 0u);

  // A rounded parent: its cut-away corner lets the shadow show through.
  ::SetWindowRgn(parent_.GetHWND(), ::CreateRoundRectRgn(0, 0, 201, 101, 24, 24), TRUE);
  shadow_.SetShadowSize(4);
  const YdShadowImage& rounded = shadow_.GetLastImage();
  // (6, 6) lies under the window's corner pixel (2, 2), which the region
  // cuts away; the square window covered it.
  EXPECT_EQ(image.At(6, 6), 0u);
  EXPECT_GT(rounded.At(6, 6) >> 24, 0u);
  EXPECT_GT(rounded.At(201, 101) >> 24, 0u);
  EXPECT_EQ(rounded.At(104, 54), 0u);
  // Mid-height rows are as before.
  for (int x = 0; x < 4; ++x) EXPECT_EQ(rounded.At(x, 54), kernel.At(x - 5, 0)) << x;
}

TEST_F(ShadowTest, TheUploadedShadowReachesTheScreen) {
  // A light window behind; the shadow's 4-pixel border lies over it. Under
  // Wine on Xvfb the screen shows the shadow's (black) colour without
  // blending, so this checks where the upload landed, not its alpha.
  const HWND back = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                      nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(back, nullptr);
  ::UpdateWindow(back);
  OpenParent();
  PumpFor(50);
  HDC screen = ::GetDC(nullptr);
  const COLORREF background = ::GetPixel(screen, 50, 50);
  EXPECT_NE(background, RGB(0, 0, 0));
  EXPECT_EQ(::GetPixel(screen, 95, 150), background);   // left of the shadow
  EXPECT_NE(::GetPixel(screen, 96, 150), background);   // its first column
  EXPECT_NE(::GetPixel(screen, 150, 203), background);  // its last row
  EXPECT_EQ(::GetPixel(screen, 150, 204), background);  // below it
  ::ReleaseDC(nullptr, screen);
  ::DestroyWindow(back);
}

TEST_F(ShadowTest, ASecondShadowOnTheSameParentIsRefused) {
  OpenParent();
  YdWindowShadow second;
  second.CreateShadow(parent_.GetHWND());
  EXPECT_EQ(second.GetShadowWindow(), nullptr);
  // The parent's messages reach its own procedure, once each.
  const int paints = parent_.paints;
  ::InvalidateRect(parent_.GetHWND(), nullptr, FALSE);
  ::UpdateWindow(parent_.GetHWND());
  EXPECT_EQ(parent_.paints, paints + 1);
}

TEST_F(ShadowTest, AShrunkParentsShadowFollowsTheRegionOfItsNewSize) {
  // Like the window base, the parent gives itself a rounded region for
  // every size in its own WM_SIZE.
  parent_.round_on_size = true;
  OpenParent();
  ::SetWindowPos(parent_.GetHWND(), nullptr, 0, 0, 200, 80, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const YdShadowImage& image = shadow_.GetLastImage();
  ASSERT_EQ(image.height, 88);
  // (6, 81) lies under the parent's pixel (2, 77), which the 80-row region
  // cuts away at its bottom-left corner: the shadow shows there. The
  // region of the old 100-row size covered it.
  EXPECT_GT(image.At(6, 81) >> 24, 0u);
  EXPECT_GT(image.At(201, 81) >> 24, 0u);
  EXPECT_EQ(image.At(104, 44), 0u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
