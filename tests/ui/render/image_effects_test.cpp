// Image effects: grayscale values, reflection rows and fading, rotation
// sizes and pixels, region masking with row-0 alignment, row cropping and
// icon conversion.
#include <gtest/gtest.h>

#include "tests/ui/render/canvas.h"
#include "ui/render/image_effects.h"
#include <cmath>

namespace ZEPHYRA_NAMESPACE {
namespace {

std::vector<uint32_t> Pixels(HBITMAP bitmap, int w, int h) { return ReadBitmapPixels(bitmap, w, h); }

TEST(GrayTest, Weights) {
  EXPECT_EQ(GrayPixel(0xFFFF0000u), 0xFF4C4C4Cu);  // pure red: 76
  EXPECT_EQ(GrayPixel(0xFF00FF00u), 0xFF959595u);  // 149.685 -> 149
  EXPECT_EQ(GrayPixel(0x800000FFu), 0x801D1D1Du);  // 29.07 -> 29, alpha kept
  EXPECT_EQ(GrayPixel(0xFFFFFFFFu), 0xFFFFFFFFu);
}

TEST(GrayTest, CopyKeepsSizeAndAlphaFlagAndLeavesTheSource) {
  YdDecodedImagePtr red = test::MakeImage(2, 1, {0xFFFF0000u, 0x40102030u}, true);
  YdDecodedImagePtr gray = MakeGrayCopy(*red);
  ASSERT_TRUE(gray);
  EXPECT_EQ(gray->width, 2);
  EXPECT_TRUE(gray->alpha);
  EXPECT_EQ(Pixels(gray->bitmap.Get(), 2, 1), (std::vector<uint32_t>{0xFF4C4C4Cu, GrayPixel(0x40102030u)}));
  EXPECT_EQ(Pixels(red->bitmap.Get(), 2, 1)[0], 0xFFFF0000u);
}

TEST(ReflectionTest, RowFactors) {
  // n = 10: rows k < 1 are 0; k = 9 gives a = 229.5 * 8 / 9 = 204, f = 183.
  EXPECT_EQ(ReflectionRowFactor(0, 10), 0);
  EXPECT_EQ(ReflectionRowFactor(1, 10), 0);
  // k = 2: a = 229.5 * 1 / 9 = 25, f = 229.5 * 255 * 25 / 65025 = 22.
  EXPECT_EQ(ReflectionRowFactor(2, 10), 22);
  EXPECT_EQ(ReflectionRowFactor(9, 10), 183);
  for (int k = 1; k < 100; ++k) EXPECT_LE(ReflectionRowFactor(k - 1, 100), ReflectionRowFactor(k, 100));
}

TEST(ReflectionTest, MirrorsTheLastRowsAndFadesAway) {
  // 1 x 4 image, rows 10, 20, 30, 40 in every channel.
  YdDecodedImagePtr image = test::MakeImage(1, 4, {0x0A0A0A0Au, 0x14141414u, 0x1E1E1E1Eu, 0xFFFFFFFFu}, true);
  int rows = 0;
  ScopedBitmap reflection = MakeReflection(RECT{0, 0, 1, 3}, *image, &rows);
  ASSERT_TRUE(reflection);
  EXPECT_EQ(rows, 3);  // min(image height, destination height)
  const std::vector<uint32_t> p = Pixels(reflection.Get(), 1, 3);
  ASSERT_EQ(p.size(), 3u);
  // Row 0 is the image's last row scaled by f(2) of n = 3.
  const uint32_t f2 = static_cast<uint32_t>(ReflectionRowFactor(2, 3));
  EXPECT_EQ(p[0] & 0xFF, 255 * f2 / 255);
  EXPECT_EQ(p[0] >> 24, 255 * f2 / 255);
  EXPECT_EQ(p[1] & 0xFF, 30 * static_cast<uint32_t>(ReflectionRowFactor(1, 3)) / 255);
  EXPECT_EQ(p[2], 0u);  // the farthest row has faded to nothing
  EXPECT_GT(f2, 0u);
}

TEST(RotationTest, Sizes) {
  EXPECT_EQ(RotatedSize(10, 6, 0).cx, 10);
  EXPECT_EQ(RotatedSize(10, 6, 0).cy, 6);
  // 90 degrees swaps the extents (9.5 and 5.5 -> 6 and 10 after rounding).
  EXPECT_EQ(RotatedSize(10, 6, 90).cx, 6);
  EXPECT_EQ(RotatedSize(10, 6, 90).cy, 10);
  // 45 degrees of a 10 x 10 box: 9.5 * sqrt(2) = 13.43 -> 13, odd
  // difference from 10 -> 14.
  EXPECT_EQ(RotatedSize(10, 10, 45).cx, 14);
  EXPECT_EQ(RotatedSize(10, 10, 45).cy, 14);
}

TEST(RotationTest, HalfTurnMovesPixelsAcrossTheCentre) {
  // 4 x 4 with distinct pixels; 180 degrees maps (x, y) to (3 - x, 3 - y)
  // for pixels whose neighbours are inside the image.
  std::vector<uint32_t> pixels(16);
  for (int i = 0; i < 16; ++i) pixels[i] = 0xFF000000u | static_cast<uint32_t>(i * 10);
  SIZE size{};
  const std::vector<uint32_t> out = RotatePixels(pixels, 4, 4, 180, &size);
  ASSERT_EQ(size.cx, 4);
  ASSERT_EQ(size.cy, 4);
  EXPECT_EQ(out[3 * 4 + 3], pixels[0]);
  EXPECT_EQ(out[2 * 4 + 2], pixels[1 * 4 + 1]);
  EXPECT_EQ(out[1 * 4 + 2], pixels[2 * 4 + 1]);
}

TEST(RotationTest, BitmapGrowsTheDestinationAroundTheImage) {
  YdDecodedImagePtr image = test::MakeSolidImage(10, 10, 0xFF808080u, false);
  RECT dest{100, 50, 110, 60};
  ScopedBitmap rotated = MakeRotatedBitmap(&dest, *image, 45);
  ASSERT_TRUE(rotated);
  EXPECT_EQ(dest.left, 98);
  EXPECT_EQ(dest.right, 112);
  EXPECT_EQ(dest.top, 48);
  EXPECT_EQ(dest.bottom, 62);
  const std::vector<uint32_t> p = Pixels(rotated.Get(), 14, 14);
  EXPECT_EQ(p[0], 0u);                    // corner outside the rotated square
  EXPECT_EQ(p[7 * 14 + 7], 0xFF808080u);  // centre inside it
}

TEST(RegionMaskTest, KeysByRegionColourReadAsAbgr) {
  // Region colour 0xFF0000FF as 0xAABBGGRR means opaque red; a region pixel
  // of opaque red (0xFFFF0000 in memory order) cuts the image away.
  YdDecodedImagePtr region = test::MakeImage(2, 2, {0xFFFF0000u, 0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u}, false);
  YdDecodedImagePtr image = test::MakeImage(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}, false);
  ScopedBitmap masked = MaskWithRegionImage(*region, *image, RECT{40, 40, 42, 42}, 0xFF0000FFu);
  ASSERT_TRUE(masked);
  // Row 0 of the image goes with row 0 of the region.
  EXPECT_EQ(Pixels(masked.Get(), 2, 2), (std::vector<uint32_t>{0u, 0xFF000002u, 0xFF000004u, 0u}));
  // With an alpha image the pixels are taken as they are.
  image->alpha = true;
  masked = MaskWithRegionImage(*region, *image, RECT{0, 0, 2, 2}, 0xFF0000FFu);
  EXPECT_EQ(Pixels(masked.Get(), 2, 2), (std::vector<uint32_t>{0u, 2u, 4u, 0u}));
  // A region of another size than the destination makes nothing.
  EXPECT_FALSE(MaskWithRegionImage(*region, *image, RECT{0, 0, 3, 2}, 0));
}

TEST(CropTest, FirstRows) {
  YdDecodedImagePtr image = test::MakeImage(2, 3, {1, 2, 3, 4, 5, 6}, false);
  ScopedBitmap two = CropBitmapRows(*image, RECT{0, 0, 50, 2});
  ASSERT_TRUE(two);
  BITMAP info{};
  ::GetObjectW(two.Get(), sizeof(info), &info);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(info.bmWidth, 2);
  EXPECT_EQ(Pixels(two.Get(), 2, 2), (std::vector<uint32_t>{1, 2, 3, 4}));
  ScopedBitmap all = CropBitmapRows(*image, RECT{0, 0, 1, 10});
  ::GetObjectW(all.Get(), sizeof(info), &info);
  EXPECT_EQ(info.bmHeight, 3);
}

TEST(IconTest, MaskedPixelsBecomeTransparentOthersOpaque) {
  // 4 x 4 icon: AND mask transparent in the left half; colour red.
  const int size = 4;
  std::vector<uint8_t> and_bits(size * 4, 0);  // 1 bpp rows padded to 32 bits
  for (int y = 0; y < size; ++y) and_bits[y * 4] = 0xC0;  // x = 0, 1 masked
  std::vector<uint32_t> colour(size * size, 0x00FF0000u);
  ScopedBitmap mask(::CreateBitmap(size, size, 1, 1, and_bits.data()));
  ScopedBitmap colour_bitmap(::CreateBitmap(size, size, 1, 32, colour.data()));
  ICONINFO info{TRUE, 0, 0, mask.Get(), colour_bitmap.Get()};
  ScopedIcon icon(::CreateIconIndirect(&info));
  ASSERT_TRUE(icon);
  YdDecodedImagePtr image = IconToImage(icon.Get(), size, nullptr);
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->alpha);
  EXPECT_EQ(image->width, size);
  const std::vector<uint32_t> p = Pixels(image->bitmap.Get(), size, size);
  EXPECT_EQ(p[0], 0u);
  EXPECT_EQ(p[1], 0u);
  EXPECT_EQ(p[2], 0xFFFF0000u);
  EXPECT_EQ(p[3 * size + 3], 0xFFFF0000u);
}

TEST(ImageEffects, RotationByNoAngleOrByWholeTurns) {
  const double nan = std::nan("");
  for (double degrees : {nan, HUGE_VAL, -HUGE_VAL}) {
    EXPECT_EQ(RotatedSize(10, 6, degrees).cx, 10);
    EXPECT_EQ(RotatedSize(10, 6, degrees).cy, 6);
  }
  EXPECT_EQ(RotatedSize(10, 6, 720 + 90).cx, 6);
  EXPECT_EQ(RotatedSize(10, 6, 720 + 90).cy, 10);
  // The largest finite angle is some angle: a size no larger than the diagonal.
  const SIZE huge = RotatedSize(10, 6, 1.7e308);
  EXPECT_GT(huge.cx, 0);
  EXPECT_LE(huge.cx, 13);
  SIZE size{};
  const std::vector<uint32_t> same = RotatePixels(std::vector<uint32_t>(60, 0xFF102030u), 10, 6, nan, &size);
  EXPECT_EQ(size.cx, 10);
  EXPECT_EQ(same.size(), 60u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
