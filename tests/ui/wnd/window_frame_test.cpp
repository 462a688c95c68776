// The window frame on a real 500x350 borderless window under Wine: hit-test
// answers at points of the sizing bands, the caption and the client area,
// the window region after "roundcorner" and "extendwnd", and the tracking
// sizes of WM_GETMINMAXINFO.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/ui/wnd/pump.h"
#include "ui/core/window_frame.h"
#include "ui/core/window_wnd.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// A window whose messages go through a frame with the given attributes.
class FramedWnd : public YdWindowWnd {
 public:
  FramedWnd() {
    // Control without the caption flag at (100..200, 10..40); the rest of
    // the caption area is background of a caption-flagged root.
    frame_.SetCaptionProbe([this](YdPoint p) {
      ++probes;
      return !(p.x >= 100 && p.x < 200 && p.y >= 10 && p.y < 40);
    });
  }
  ~FramedWnd() override {
    if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
  }
  const wchar_t* QueryClassName() const override { return L"YdTestFramedWnd"; }
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = 0;
    if (frame_.HandleMessage(GetHWND(), attributes, msg, wParam, lParam, result)) return result;
    return YdWindowWnd::ProcessMessage(msg, wParam, lParam);
  }
  HWND Open(int cx = 500, int cy = 350) {
    const HWND hwnd = Create(nullptr, L"frame", WS_POPUP, 0, 50, 60, cx, cy);
    if (hwnd != nullptr) ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
  }
  // WM_NCHITTEST at a client point, as the system sends it (screen point).
  LRESULT HitAt(int x, int y) {
    POINT pt{x, y};
    ::ClientToScreen(GetHWND(), &pt);
    return ::SendMessageW(GetHWND(), WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
  }

  YdWindowAttributes attributes;
  int probes = 0;

 private:
  YdWindowFrame frame_;
};

TEST(WindowFrame, SizeboxHitCodesOnA500x350Window) {
  FramedWnd wnd;
  wnd.attributes.sizebox = {4, 4, 4, 4, 8};
  ASSERT_NE(wnd.Open(), nullptr);
  EXPECT_EQ(wnd.HitAt(2, 2), HTTOPLEFT);
  EXPECT_EQ(wnd.HitAt(250, 2), HTTOP);
  EXPECT_EQ(wnd.HitAt(2, 10), HTTOPLEFT);  // within the corner extent
  EXPECT_EQ(wnd.HitAt(2, 100), HTLEFT);
  EXPECT_EQ(wnd.HitAt(497, 2), HTTOPRIGHT);
  EXPECT_EQ(wnd.HitAt(497, 100), HTRIGHT);
  EXPECT_EQ(wnd.HitAt(497, 340), HTBOTTOMRIGHT);
  EXPECT_EQ(wnd.HitAt(250, 347), HTBOTTOM);
  EXPECT_EQ(wnd.HitAt(5, 347), HTBOTTOMLEFT);
  // Inside: no caption area, so the default procedure answers.
  EXPECT_EQ(wnd.HitAt(250, 175), HTCLIENT);
  EXPECT_EQ(wnd.probes, 0);

  // A maximised window has no sizing borders.
  ::ShowWindow(wnd.GetHWND(), SW_MAXIMIZE);
  ASSERT_TRUE(::IsZoomed(wnd.GetHWND()));
  EXPECT_EQ(wnd.HitAt(2, 2), HTCLIENT);
  EXPECT_EQ(wnd.HitAt(2, 100), HTCLIENT);
}

TEST(WindowFrame, CaptionAreaDragsOnlyOverCaptionFlaggedControls) {
  FramedWnd wnd;
  wnd.attributes.sizebox = {4, 4, 4, 4, 8};
  wnd.attributes.caption = {0, 0, 0, 350};
  ASSERT_NE(wnd.Open(), nullptr);
  EXPECT_EQ(wnd.HitAt(50, 100), HTCAPTION);
  EXPECT_EQ(wnd.HitAt(150, 20), HTCLIENT);  // a control without the flag stays clickable
  EXPECT_EQ(wnd.HitAt(2, 100), HTLEFT);     // the band wins over the caption
  // Caption insets: 10 from the left, 20 from the right, rows 0..29.
  wnd.attributes.caption = {10, 0, 20, 30};
  EXPECT_EQ(wnd.HitAt(9, 15), HTCLIENT);
  EXPECT_EQ(wnd.HitAt(10, 15), HTCAPTION);
  EXPECT_EQ(wnd.HitAt(479, 15), HTCAPTION);
  EXPECT_EQ(wnd.HitAt(480, 15), HTCLIENT);
  EXPECT_EQ(wnd.HitAt(50, 30), HTCLIENT);
}

bool In(HWND hwnd, int x, int y) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  const int kind = ::GetWindowRgn(hwnd, region);
  const bool inside = kind != ERROR && ::PtInRegion(region, x, y);
  ::DeleteObject(region);
  return inside;
}

int RegionKind(HWND hwnd) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  const int kind = ::GetWindowRgn(hwnd, region);
  ::DeleteObject(region);
  return kind;
}

TEST(WindowFrame, RoundCornerSixZeroRoundsTheTopCornersOnEverySize) {
  FramedWnd wnd;
  wnd.attributes.shape.roundA = 6;
  ASSERT_NE(wnd.Open(), nullptr);
  // Creation's WM_SIZE already gave the window its region.
  ASSERT_NE(RegionKind(wnd.GetHWND()), ERROR);
  EXPECT_FALSE(In(wnd.GetHWND(), 0, 0));
  EXPECT_FALSE(In(wnd.GetHWND(), 499, 0));
  EXPECT_TRUE(In(wnd.GetHWND(), 250, 0));
  EXPECT_TRUE(In(wnd.GetHWND(), 0, 349));
  EXPECT_TRUE(In(wnd.GetHWND(), 499, 349));

  // Each size change hands the window a fresh region; the old one was the
  // window's to free, so resizing repeatedly keeps a valid region.
  for (int cx : {420, 610, 300}) {
    ::SetWindowPos(wnd.GetHWND(), nullptr, 0, 0, cx, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(In(wnd.GetHWND(), cx - 1, 0)) << cx;
    EXPECT_TRUE(In(wnd.GetHWND(), cx - 1, 199)) << cx;
    EXPECT_FALSE(In(wnd.GetHWND(), cx, 100)) << cx;
  }

  // Dropping the rounded corners gives a plain rectangle once.
  wnd.attributes.shape.roundA = 0;
  ::SetWindowPos(wnd.GetHWND(), nullptr, 0, 0, 320, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(In(wnd.GetHWND(), 0, 0));
  EXPECT_TRUE(In(wnd.GetHWND(), 319, 199));

  // A minimising WM_SIZE keeps the region; the restoring one rebuilds it
  // (now with the bottom corners rounded).
  wnd.attributes.shape.roundB = 6;
  ::SendMessageW(wnd.GetHWND(), WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(320, 200));
  EXPECT_TRUE(In(wnd.GetHWND(), 0, 199));
  ::SendMessageW(wnd.GetHWND(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(320, 200));
  EXPECT_FALSE(In(wnd.GetHWND(), 0, 199));
  EXPECT_TRUE(In(wnd.GetHWND(), 0, 0));
}

TEST(WindowFrame, ExtendWindowIsTheMainAreaPlusTheCloseEllipse) {
  FramedWnd wnd;
  wnd.attributes.shape.extendWindow = true;
  wnd.attributes.shape.mainArea = {0, 20, 480, 350};
  wnd.attributes.shape.closeArea = {460, 0, 500, 40};
  ASSERT_NE(wnd.Open(), nullptr);
  EXPECT_TRUE(In(wnd.GetHWND(), 10, 100));
  EXPECT_TRUE(In(wnd.GetHWND(), 490, 20));
  EXPECT_FALSE(In(wnd.GetHWND(), 0, 0));
  EXPECT_FALSE(In(wnd.GetHWND(), 490, 300));
}

TEST(WindowFrame, MinMaxInfoSetsTrackingSizesAndFitsTheWorkArea) {
  FramedWnd wnd;
  wnd.attributes.minInfo = {300, 200};
  wnd.attributes.maxInfo = {800, 0};
  ASSERT_NE(wnd.Open(), nullptr);
  MINMAXINFO info{};
  info.ptMaxPosition = {-4, -4};
  info.ptMaxSize = {1000, 700};
  info.ptMaxTrackSize = {1100, 900};
  ::SendMessageW(wnd.GetHWND(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(info.ptMinTrackSize.x, 300);
  EXPECT_EQ(info.ptMinTrackSize.y, 200);
  EXPECT_EQ(info.ptMaxTrackSize.x, 800);
  EXPECT_EQ(info.ptMaxSize.x, 800);
  EXPECT_EQ(info.ptMaxTrackSize.y, 8 + (work.bottom - work.top));
  EXPECT_EQ(info.ptMaxPosition.x, -4 + work.left);
  EXPECT_EQ(info.ptMaxPosition.y, -4 + work.top);

  // A positive maxinfo height sets the height limits instead.
  wnd.attributes.maxInfo = {0, 600};
  info = MINMAXINFO{};
  info.ptMaxTrackSize = {1100, 900};
  ::SendMessageW(wnd.GetHWND(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.y, 600);
  EXPECT_EQ(info.ptMaxSize.y, 600);
  EXPECT_EQ(info.ptMaxTrackSize.x, 1100);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
