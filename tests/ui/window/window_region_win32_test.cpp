// Planned window shapes as real GDI regions, applied to a real window under
// Wine, and the drop shadow computed from the window's region.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/window/window_region_win32.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

const YdRect kClient{0, 0, 500, 350};

bool In(HRGN region, int x, int y) { return ::PtInRegion(region, x, y) != FALSE; }

ScopedRegion RoundCorner(int a, int b) {
  YdWindowShape shape;
  shape.roundA = a;
  shape.roundB = b;
  return CreatePlannedRegion(PlanWindowRegion(shape, kClient, false, false), nullptr);
}

TEST(WindowRegion, RoundCornerSixZeroRoundsOnlyTheTop) {
  ScopedRegion r = RoundCorner(6, 0);
  ASSERT_TRUE(r);
  EXPECT_FALSE(In(r.Get(), 0, 0));
  EXPECT_FALSE(In(r.Get(), 499, 0));
  EXPECT_TRUE(In(r.Get(), 250, 0));
  EXPECT_TRUE(In(r.Get(), 0, 175));
  EXPECT_TRUE(In(r.Get(), 0, 349));
  EXPECT_TRUE(In(r.Get(), 499, 349));
  EXPECT_FALSE(In(r.Get(), 250, 350));

  ScopedRegion bottom = RoundCorner(0, 6);
  EXPECT_TRUE(In(bottom.Get(), 0, 0));
  EXPECT_TRUE(In(bottom.Get(), 499, 0));
  EXPECT_FALSE(In(bottom.Get(), 0, 349));
  EXPECT_FALSE(In(bottom.Get(), 499, 349));
}

TEST(WindowRegion, ExtendWindowPlainRectAndCachedImageCopies) {
  YdWindowShape shape;
  shape.extendWindow = true;
  shape.mainArea = {0, 20, 480, 350};
  shape.closeArea = {460, 0, 500, 40};
  ScopedRegion r = CreatePlannedRegion(PlanWindowRegion(shape, kClient, false, false), nullptr);
  ASSERT_TRUE(r);
  EXPECT_TRUE(In(r.Get(), 10, 100));
  EXPECT_TRUE(In(r.Get(), 490, 20));   // inside the close ellipse only
  EXPECT_FALSE(In(r.Get(), 0, 0));
  EXPECT_FALSE(In(r.Get(), 499, 1));   // corner of the ellipse's box
  EXPECT_FALSE(In(r.Get(), 490, 300));

  ScopedRegion plain = CreatePlannedRegion(PlanWindowRegion({}, kClient, false, true), nullptr);
  ASSERT_TRUE(plain);
  EXPECT_TRUE(In(plain.Get(), 0, 0));
  EXPECT_TRUE(In(plain.Get(), 499, 349));
  EXPECT_FALSE(In(plain.Get(), 500, 0));
  EXPECT_FALSE(CreatePlannedRegion(PlanWindowRegion({}, kClient, false, false), nullptr));

  YdWindowShape image;
  image.cornerImage = u"res='120' corner='4,4,4,4'";
  const YdRegionPlan plan = PlanWindowRegion(image, kClient, false, false);
  EXPECT_FALSE(CreatePlannedRegion(plan, nullptr));
  ScopedRegion cached(::CreateEllipticRgn(0, 0, 100, 100));
  {
    ScopedRegion copy = CreatePlannedRegion(plan, cached.Get());
    ASSERT_TRUE(copy);
    EXPECT_NE(copy.Get(), cached.Get());
    EXPECT_TRUE(::EqualRgn(copy.Get(), cached.Get()));
  }
  EXPECT_TRUE(In(cached.Get(), 50, 50));  // the cached region outlives its copies
}

class ShapedWindow : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"YdRegionTestWnd";
    ::RegisterClassW(&wc);
    window_ = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 500, 350, nullptr,
                                nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    if (window_) ::DestroyWindow(window_);
  }
  HWND window_ = nullptr;
};

TEST_F(ShapedWindow, EachSetWindowRgnOwnsItsCopyAndTheShadowFollowsTheShape) {
  const std::vector<YdRowSpan> square = ScanWindowShape(window_, 500, 350);
  ASSERT_EQ(square.size(), 350u);
  EXPECT_EQ(square[0].left, 0);
  EXPECT_EQ(square[0].right, 500);

  YdWindowShape shape;
  shape.roundA = 6;
  const YdRegionPlan plan = PlanWindowRegion(shape, kClient, false, false);
  // Two size changes: each SetWindowRgn receives a region of its own.
  for (int i = 0; i < 2; ++i) {
    ScopedRegion region = CreatePlannedRegion(plan, nullptr);
    ASSERT_TRUE(region);
    ASSERT_NE(::SetWindowRgn(window_, region.Take(), FALSE), 0);
  }
  const std::vector<YdRowSpan> rows = ScanWindowShape(window_, 500, 350);
  ASSERT_EQ(rows.size(), 350u);
  EXPECT_GT(rows[0].left, 0);
  EXPECT_LT(rows[0].right, 500);
  EXPECT_EQ(rows[349].left, 0);
  EXPECT_EQ(rows[349].right, 500);

  YdShadowParams p;
  p.size = 4;
  p.xOffset = 0;
  p.yOffset = 0;
  const YdShadowImage rounded = MakeShadowImage(rows, 500, p);
  const YdShadowImage squared = MakeShadowImage(square, 500, p);
  // Bottom corners are square in both; at the rounded top corners the shadow
  // reaches further in where the window no longer covers it.
  EXPECT_EQ(rounded.At(2, 355), squared.At(2, 355));
  EXPECT_NE(rounded.At(4, 4), squared.At(4, 4));
  EXPECT_EQ(squared.At(4, 4), 0u);
  EXPECT_GT(rounded.At(4, 4) >> 24, 0u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
