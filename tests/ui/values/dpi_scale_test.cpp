// Display scale rules: rounding of lengths and rectangles, the lossless trip
// back through 96-DPI units, image-set choice and names, and descriptor
// rectangles read in 1× units on a 2× image.
#include <gtest/gtest.h>

#include "ui/values/dpi_scale.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(DpiScale, LengthsRoundHalvesAwayFromZero) {
  const YdDpiScale s120(120), s144(144), s192(192);
  EXPECT_EQ(s120.Scale(500), 625);
  EXPECT_EQ(s120.Scale(280), 350);
  EXPECT_EQ(s144.Scale(25), 38);   // 37.5
  EXPECT_EQ(s144.Scale(13), 20);   // 19.5
  EXPECT_EQ(s144.Scale(-3), -5);   // -4.5
  EXPECT_EQ(s120.Scale(-12), -15);
  EXPECT_EQ(s192.Scale(350), 700);
  EXPECT_EQ(YdDpiScale(168).Scale(1), 2);  // 1.75
  EXPECT_EQ(s144.Percent(), 150);
  EXPECT_EQ(s120.Percent(), 125);
  // Below 96 counts as 96; at 96 every value passes unchanged.
  EXPECT_TRUE(YdDpiScale(72).IsOne());
  EXPECT_TRUE(YdDpiScale(0).IsOne());
  EXPECT_EQ(YdDpiScale().Scale(2147483647), 2147483647);
  EXPECT_EQ(s192.Scale(2000000000), 2147483647);  // clamped, no overflow
}

TEST(DpiScale, RectanglesScaleEdgeByEdgeSoNeighboursStillTouch) {
  const YdDpiScale s144(144);
  // Two neighbours at 96 DPI: [0,25) and [25,50).
  const YdRect a = s144.Scale(YdRect{0, 0, 25, 13});
  const YdRect b = s144.Scale(YdRect{25, 0, 50, 13});
  EXPECT_EQ(a.right, b.left);
  EXPECT_EQ(a, (YdRect{0, 0, 38, 20}));
  EXPECT_EQ(b, (YdRect{38, 0, 75, 20}));
  // Paddings (insets) follow the same rule; negative ones keep their sign.
  EXPECT_EQ(YdDpiScale(120).Scale(YdRect{-12, 6, 0, 0}), (YdRect{-15, 8, 0, 0}));
  EXPECT_EQ(YdDpiScale(120).Scale(YdSize{500, 350}), (YdSize{625, 438}));
}

TEST(DpiScale, RescalingGoesThroughNinetySixWithoutDrift) {
  // Every device length that came from a 96-DPI number survives any chain
  // of scale changes and comes back exactly.
  const YdDpiScale chain[] = {YdDpiScale(96), YdDpiScale(144), YdDpiScale(120), YdDpiScale(192),
                              YdDpiScale(168), YdDpiScale(96)};
  for (int v = -40; v <= 600; ++v) {
    int device = v;
    for (size_t i = 1; i < sizeof(chain) / sizeof(chain[0]); ++i) {
      device = YdDpiScale::Rescale(device, chain[i - 1], chain[i]);
      ASSERT_EQ(device, chain[i].Scale(v)) << v << " at " << chain[i].Dpi();
    }
    ASSERT_EQ(device, v);
  }
}

TEST(DpiScale, ImageSetIsTheSmallestAtOrAboveTheScale) {
  const std::vector<int> all{100, 150, 200};
  EXPECT_EQ(ChooseImageSet(all, YdDpiScale(96)), 100);
  EXPECT_EQ(ChooseImageSet(all, YdDpiScale(120)), 150);
  EXPECT_EQ(ChooseImageSet(all, YdDpiScale(144)), 150);
  EXPECT_EQ(ChooseImageSet(all, YdDpiScale(168)), 200);
  EXPECT_EQ(ChooseImageSet(all, YdDpiScale(288)), 200);  // none above: the largest
  EXPECT_EQ(ChooseImageSet({200, 100}, YdDpiScale(120)), 200);
  EXPECT_EQ(ChooseImageSet({100}, YdDpiScale(192)), 100);
  EXPECT_EQ(ChooseImageSet({}, YdDpiScale(192)), 0);
  // A set below the scale (1× only) is resampled to the window's factor; a
  // set at or above it is used as it is.
  EXPECT_EQ(ImageUsePercent(100, YdDpiScale(120)), 125);
  EXPECT_EQ(ImageUsePercent(150, YdDpiScale(120)), 150);
  EXPECT_EQ(ImageUsePercent(200, YdDpiScale(288)), 300);
  EXPECT_EQ(ImageUsePercent(100, YdDpiScale(96)), 100);
}

TEST(DpiScale, ImageSetNames) {
  EXPECT_EQ(ImageSetFileName(L"skin\\102_install.png", 100), L"skin\\102_install.png");
  EXPECT_EQ(ImageSetFileName(L"skin\\102_install.png", 150), L"skin\\102_install@1.5x.png");
  EXPECT_EQ(ImageSetFileName(L"skin\\102_install.png", 200), L"skin\\102_install@2x.png");
  EXPECT_EQ(ImageSetFileName(L"dir.v2\\ring", 125), L"dir.v2\\ring@1.25x");
  EXPECT_EQ(ImageSetResourceType(L"PNG", 100), L"PNG");
  EXPECT_EQ(ImageSetResourceType(L"PNG", 200), L"PNG_200");
}

TEST(DpiScale, DescriptorRectanglesOnATwoTimesImage) {
  // "source='0,38,140,76' corner='4,4,4,4'" of a 140 × 152 sprite sheet:
  // the 2× sheet is 280 × 304, the slice and the corners double.
  EXPECT_EQ(ScaleByPercent(YdRect{0, 38, 140, 76}, 200), (YdRect{0, 76, 280, 152}));
  EXPECT_EQ(ScaleByPercent(YdRect{4, 4, 4, 4}, 200), (YdRect{8, 8, 8, 8}));
  // On a 1.5× sheet odd numbers round as lengths do.
  EXPECT_EQ(ScaleByPercent(YdRect{0, 13, 13, 26}, 150), (YdRect{0, 20, 20, 39}));
  EXPECT_EQ(ScaleByPercent(YdRect{0, 13, 13, 26}, 100), (YdRect{0, 13, 13, 26}));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
