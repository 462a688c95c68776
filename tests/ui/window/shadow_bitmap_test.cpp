// Drop-shadow pixels: premultiplication, the kernel, whole images worked out
// by hand for small sizes, and properties of the wizard's configuration.
#include <gtest/gtest.h>

#include <vector>

#include "ui/window/shadow_bitmap.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

uint32_t Black(uint8_t alpha) { return static_cast<uint32_t>(alpha) << 24; }

TEST(ShadowPixel, PremultipliesTheColourRefChannels) {
  // COLORREF 0x00BBGGRR: red 255, green 128, blue 0.
  EXPECT_EQ(ShadowPixel(0x000080FF, 150), 0x96964B00u);  // 128·150/255 = 75
  EXPECT_EQ(ShadowPixel(0x00FF0000, 200), 0xC80000C8u);  // blue lands in the low byte
  EXPECT_EQ(ShadowPixel(0x00FFFFFF, 255), 0xFFFFFFFFu);
  EXPECT_EQ(ShadowPixel(0x00FFFFFF, 0), 0u);
  EXPECT_EQ(ShadowPixel(0, 50), 0x32000000u);
}

TEST(ShadowKernel, SoftKernelOfTheWizardShadow) {
  YdShadowParams p;
  p.size = 4;  // sharpness 5, darkness 150: radius 5, no solid core
  const YdShadowKernel k = MakeShadowKernel(p);
  ASSERT_EQ(k.radius, 5);
  ASSERT_EQ(k.pixels.size(), 121u);
  EXPECT_EQ(k.At(0, 0), Black(150));
  EXPECT_EQ(k.At(1, 0), Black(125));  // (1 - 1/6)·150
  EXPECT_EQ(k.At(0, -3), Black(75));
  // d = 5: (1 - 5/6)·150 is 24.999... in floating point, truncated to 24.
  EXPECT_EQ(k.At(3, 4), Black(24));
  EXPECT_EQ(k.At(-5, 0), Black(24));
  EXPECT_EQ(k.At(1, 1), Black(114));  // (1 - 1.41421/6)·150 = 114.6
  EXPECT_EQ(k.At(5, 1), 0u);          // d = 5.1 > 5
  EXPECT_EQ(k.At(5, 5), 0u);
  for (int dy = -5; dy <= 5; ++dy) {
    for (int dx = -5; dx <= 5; ++dx) {
      ASSERT_EQ(k.At(dx, dy), k.At(-dx, dy));
      ASSERT_EQ(k.At(dx, dy), k.At(dy, dx));
    }
  }
}

TEST(ShadowKernel, SolidCoreWhenSizeExceedsSharpness) {
  YdShadowParams p;
  p.size = 8;
  p.sharpness = 3;  // radius 8, solid radius 5
  p.colour = 0x000080FF;
  const YdShadowKernel k = MakeShadowKernel(p);
  ASSERT_EQ(k.radius, 8);
  const uint32_t solid = ShadowPixel(p.colour, 150);
  EXPECT_EQ(k.At(4, 0), solid);
  EXPECT_EQ(k.At(3, 3), solid);                         // 4.24 < 5
  EXPECT_EQ(k.At(5, 0), ShadowPixel(p.colour, 150));    // d = q: full darkness
  EXPECT_EQ(k.At(0, 6), ShadowPixel(p.colour, 112));    // (1 - 1/4)·150
  EXPECT_EQ(k.At(-8, 0), ShadowPixel(p.colour, 37));    // (1 - 3/4)·150
  EXPECT_EQ(k.At(6, 6), 0u);                            // 8.49 > 8
}

TEST(ShadowShape, ScanStopsAtTheFirstAndLastInsidePixel) {
  int calls = 0;
  auto rows = ScanShapeRows(10, 3, [&](int x, int y) {
    ++calls;
    if (y == 0) return true;              // full row
    if (y == 1) return x == 3 || x == 6;  // hole in the middle
    return false;                         // empty row
  });
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].left, 0);
  EXPECT_EQ(rows[0].right, 10);
  EXPECT_EQ(rows[1].left, 3);
  EXPECT_EQ(rows[1].right, 7);
  EXPECT_TRUE(rows[2].IsEmpty());
  EXPECT_EQ(rows[2].left, 10);
  // Row 0: x = 0 and x = 9; row 1: 0..3 and 9..6; row 2: all ten.
  EXPECT_EQ(calls, 2 + 8 + 10);
}

// Size 1, sharpness 2, darkness 150, black, offsets 0, a 4×4 window. The
// erosion leaves anchors (2, 4) on image rows 2 and 3; the kernel (radius 2)
// is 150 at the centre, 100 at distance 1, 79 at √2, 50 at 2 and 0 beyond;
// everything under the window (1..4 × 1..4) is cleared.
TEST(ShadowImage, SmallSquareByHand) {
  YdShadowParams p;
  p.size = 1;
  p.sharpness = 2;
  p.xOffset = 0;
  p.yOffset = 0;
  const YdShadowImage img = MakeShadowImage(RectangleShape(4, 4), 4, p);
  ASSERT_EQ(img.width, 6);
  ASSERT_EQ(img.height, 6);
  const uint8_t expected[6][6] = {
      {0, 0, 50, 50, 0, 0},   //
      {0, 0, 0, 0, 0, 0},     //
      {50, 0, 0, 0, 0, 50},   //
      {50, 0, 0, 0, 0, 50},   //
      {0, 0, 0, 0, 0, 0},     //
      {0, 0, 50, 50, 0, 0},   //
  };
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) EXPECT_EQ(img.At(x, y), Black(expected[y][x])) << x << "," << y;
  }
}

// The same window with offsets (1, 1): the window now covers image columns
// and rows 0..3, and the shadow shows to the right and below.
TEST(ShadowImage, OffsetShadowByHand) {
  YdShadowParams p;
  p.size = 1;
  p.sharpness = 2;
  p.xOffset = 1;
  p.yOffset = 1;
  const YdShadowImage img = MakeShadowImage(RectangleShape(4, 4), 4, p);
  const uint8_t expected[6][6] = {
      {0, 0, 0, 0, 0, 0},         //
      {0, 0, 0, 0, 79, 0},        //
      {0, 0, 0, 0, 100, 50},      //
      {0, 0, 0, 0, 100, 50},      //
      {0, 79, 100, 100, 79, 0},   //
      {0, 0, 50, 50, 0, 0},       //
  };
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) EXPECT_EQ(img.At(x, y), Black(expected[y][x])) << x << "," << y;
  }
}

// Offset upwards (0, -1): the window covers image rows 2..5, so the rows
// below the parent's last shadow row are cleared too.
TEST(ShadowImage, ShadowAboveTheWindowByHand) {
  YdShadowParams p;
  p.size = 1;
  p.sharpness = 2;
  p.xOffset = 0;
  p.yOffset = -1;
  const YdShadowImage img = MakeShadowImage(RectangleShape(4, 4), 4, p);
  const uint8_t expected[6][6] = {
      {0, 0, 50, 50, 0, 0},       //
      {0, 79, 100, 100, 79, 0},   //
      {50, 0, 0, 0, 0, 50},       //
      {50, 0, 0, 0, 0, 50},       //
      {0, 0, 0, 0, 0, 0},         //
      {0, 0, 0, 0, 0, 0},         //
  };
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) EXPECT_EQ(img.At(x, y), Black(expected[y][x])) << x << "," << y;
  }
}

// Size 3 over sharpness 1 (no erosion, solid kernel core of radius 2) with
// offsets (2, 2) on a 6×6 window: the shadow's interior right of and below
// the window is solid.
TEST(ShadowImage, SolidInteriorBesideTheWindow) {
  YdShadowParams p;
  p.size = 3;
  p.sharpness = 1;
  p.darkness = 200;
  p.xOffset = 2;
  p.yOffset = 2;
  p.colour = 0x00FF0000;
  const YdShadowImage img = MakeShadowImage(RectangleShape(6, 6), 6, p);
  ASSERT_EQ(img.width, 12);
  const uint32_t solid = ShadowPixel(p.colour, 200);
  EXPECT_EQ(img.At(8, 8), solid);
  EXPECT_EQ(img.At(3, 7), solid);
  EXPECT_EQ(img.At(7, 3), solid);
  EXPECT_EQ(img.At(4, 4), 0u);   // under the window
  EXPECT_EQ(img.At(1, 6), 0u);   // window spans image columns 1..6, rows 1..6
  EXPECT_EQ(img.At(6, 1), 0u);
  // The anchor starts on image row 3; the kernel's full-darkness disc
  // (d <= 2) reaches row 1, its soft edge row 0.
  EXPECT_EQ(img.At(7, 1), solid);
  EXPECT_EQ(img.At(7, 0), ShadowPixel(p.colour, 100));
  EXPECT_EQ(img.At(9, 5), solid);   // stamp at (8, 5), d = 1 < 2
  EXPECT_EQ(img.At(10, 5), solid);  // d = 2: full darkness
  EXPECT_EQ(img.At(11, 5), ShadowPixel(p.colour, 100));  // d = 3: (1 - 1/2)·200
  EXPECT_EQ(img.At(0, 0), 0u);
}

// The wizard's shadow: size 4, sharpness 5, darkness 150, offsets 0.
YdShadowImage WizardShadow(const std::vector<YdRowSpan>& shape, int width) {
  YdShadowParams p;
  p.size = 4;
  p.xOffset = 0;
  p.yOffset = 0;
  return MakeShadowImage(shape, width, p);
}

TEST(ShadowImage, WizardBorderIsFourPixelsOfFalloff) {
  const YdShadowImage img = WizardShadow(RectangleShape(40, 30), 40);
  ASSERT_EQ(img.width, 48);
  ASSERT_EQ(img.height, 38);
  // Middle row, left side: the eroded anchor starts at x = 5, the kernel
  // reaches 5 pixels out: distances 5..2 give 24 (see the kernel), 50, 75, 100.
  const int mid = 19;
  EXPECT_EQ(img.At(0, mid), Black(24));
  EXPECT_EQ(img.At(1, mid), Black(50));
  EXPECT_EQ(img.At(2, mid), Black(75));
  EXPECT_EQ(img.At(3, mid), Black(100));
  EXPECT_EQ(img.At(4, mid), 0u);  // the window's first column
  EXPECT_EQ(img.At(47, mid), Black(24));
  EXPECT_EQ(img.At(24, 0), Black(24));
  EXPECT_EQ(img.At(24, 37), Black(24));
  // Everything the window covers is transparent.
  for (int y = 4; y < 34; ++y) {
    for (int x = 4; x < 44; ++x) ASSERT_EQ(img.At(x, y), 0u) << x << "," << y;
  }
  // Symmetric about both axes; alpha never grows moving away from the window.
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < img.width; ++x) {
      ASSERT_EQ(img.At(x, y), img.At(img.width - 1 - x, y)) << x << "," << y;
      ASSERT_EQ(img.At(x, y), img.At(x, img.height - 1 - y)) << x << "," << y;
    }
  }
  for (int y = 0; y < img.height; ++y) {
    for (int x = 1; x < 4; ++x) ASSERT_LE(img.At(x - 1, y), img.At(x, y)) << x << "," << y;
  }
  for (int x = 0; x < img.width; ++x) {
    for (int y = 1; y < 4; ++y) ASSERT_LE(img.At(x, y - 1), img.At(x, y)) << x << "," << y;
  }
  // The outer corner is weaker than the edge middle.
  EXPECT_LT(img.At(0, 0), img.At(0, mid));
}

TEST(ShadowImage, CornersFollowACutWindowShape) {
  // A 40×30 window whose top-left corner is cut diagonally (8 pixels).
  auto shape = ScanShapeRows(40, 30, [](int x, int y) { return x + y >= 8; });
  EXPECT_EQ(shape[0].left, 8);
  EXPECT_EQ(shape[8].left, 0);
  const YdShadowImage img = WizardShadow(shape, 40);
  // Inside the cut (not covered by the window) the shadow reaches in, while
  // the square top-right corner keeps the same spot clear.
  EXPECT_GT(img.At(6, 6) >> 24, 0u);
  EXPECT_EQ(img.At(41, 6), 0u);
  // The diagonal is transparent only where the window covers it.
  EXPECT_EQ(img.At(4 + 8, 4), 0u);
  EXPECT_GT(img.At(4 + 6, 4) >> 24, 0u);
}

TEST(ShadowImage, DegenerateSizesDoNotCrash) {
  YdShadowParams p;
  EXPECT_TRUE(MakeShadowImage({}, 0, p).pixels.empty());
  p.size = 3;
  const YdShadowImage none = MakeShadowImage({}, 10, p);
  EXPECT_EQ(none.width, 16);
  EXPECT_EQ(none.height, 6);
  for (uint32_t v : none.pixels) EXPECT_EQ(v, 0u);
  p.size = -7;  // taken as 0
  const YdShadowImage neg = MakeShadowImage(RectangleShape(3, 2), 3, p);
  EXPECT_EQ(neg.width, 3);
  EXPECT_EQ(neg.height, 2);
  p.size = 0;
  p.sharpness = 0;
  const YdShadowImage one = MakeShadowImage(RectangleShape(1, 1), 1, p);
  EXPECT_EQ(one.pixels.size(), 1u);
  // Spans reaching outside the window must not write outside the image.
  const YdShadowImage wild = MakeShadowImage(std::vector<YdRowSpan>(5, YdRowSpan{-20, 90}), 6, p);
  EXPECT_EQ(wild.pixels.size(), 30u);
}

TEST(ShadowImage, BottomUpCopyReversesRows) {
  YdShadowImage img;
  img.width = 2;
  img.height = 3;
  img.pixels = {1, 2, 3, 4, 5, 6};
  std::vector<uint32_t> dib(6, 0xDEAD);
  CopyToBottomUpDib(img, dib.data());
  EXPECT_EQ(dib, (std::vector<uint32_t>{5, 6, 3, 4, 1, 2}));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
