// Nine-part drawing, the opaque BitBlt path against the blended path, and
// colour fills and frames, painted into off-screen DIB sections.
#include <gtest/gtest.h>

#include "tests/ui/render/canvas.h"
#include "ui/render/bitmap_parts.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using test::Canvas;

// 6 x 6, opaque, every pixel distinct: 0xFF00yyxx.
YdDecodedImagePtr Numbered() {
  std::vector<uint32_t> p(36);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) p[y * 6 + x] = 0xFF000000u | (y << 8) | x;
  return test::MakeImage(6, 6, p, false);
}
uint32_t Src(int x, int y) { return 0xFF000000u | (y << 8) | x; }

TEST(BitmapPartsTest, PartsTable) {
  const std::vector<BitmapPart> parts = ComputeBitmapParts(RECT{0, 0, 6, 6}, RECT{1, 1, 11, 11}, RECT{2, 1, 3, 2}, false);
  ASSERT_EQ(parts.size(), 9u);
  // Centre first.
  EXPECT_EQ(parts[0].dest.left, 3);
  EXPECT_EQ(parts[0].dest.top, 2);
  EXPECT_EQ(parts[0].dest.right, 8);
  EXPECT_EQ(parts[0].dest.bottom, 9);
  EXPECT_EQ(parts[0].srcWidth, 1);
  EXPECT_EQ(parts[0].srcHeight, 3);
  // Bottom-right last.
  EXPECT_EQ(parts[8].dest.left, 8);
  EXPECT_EQ(parts[8].dest.top, 9);
  EXPECT_EQ(parts[8].srcX, 3);
  EXPECT_EQ(parts[8].srcY, 4);
  EXPECT_EQ(ComputeBitmapParts(RECT{0, 0, 6, 6}, RECT{0, 0, 6, 6}, RECT{}, true).size(), 0u);
  // Only a left border: centre and left.
  EXPECT_EQ(ComputeBitmapParts(RECT{0, 0, 6, 6}, RECT{0, 0, 6, 6}, RECT{2, 0, 0, 0}, false).size(), 2u);
}

TEST(BitmapPartsTest, NinePartPlacement) {
  YdDecodedImagePtr image = Numbered();
  Canvas canvas(12, 12, 0xFFABCDEFu);
  PaintBitmapParts(image->bitmap.Get(), canvas.Bounds(), RECT{0, 0, 6, 6}, canvas.dc(), RECT{1, 1, 11, 11},
                   RECT{2, 2, 2, 2}, false, 255, false);
  // Corners are copied unscaled.
  EXPECT_EQ(canvas.At(1, 1), Src(0, 0));
  EXPECT_EQ(canvas.At(2, 2), Src(1, 1));
  EXPECT_EQ(canvas.At(10, 1), Src(5, 0));
  EXPECT_EQ(canvas.At(9, 2), Src(4, 1));
  EXPECT_EQ(canvas.At(1, 10), Src(0, 5));
  EXPECT_EQ(canvas.At(10, 10), Src(5, 5));
  // Edges and centre are stretched from their own source parts.
  EXPECT_EQ(canvas.At(3, 1), Src(2, 0));
  EXPECT_EQ(canvas.At(8, 1), Src(3, 0));
  EXPECT_EQ(canvas.At(1, 3), Src(0, 2));
  EXPECT_EQ(canvas.At(3, 3), Src(2, 2));
  EXPECT_EQ(canvas.At(8, 8), Src(3, 3));
  // Outside the destination nothing changed.
  EXPECT_EQ(canvas.At(0, 0), 0xFFABCDEFu);
  EXPECT_EQ(canvas.At(11, 11), 0xFFABCDEFu);

  Canvas holed(12, 12, 0xFFABCDEFu);
  PaintBitmapParts(image->bitmap.Get(), holed.Bounds(), RECT{0, 0, 6, 6}, holed.dc(), RECT{1, 1, 11, 11},
                   RECT{2, 2, 2, 2}, false, 255, true);
  EXPECT_EQ(holed.CountNot(RECT{3, 3, 9, 9}, 0xFFABCDEFu), 0);
  EXPECT_EQ(holed.At(1, 1), Src(0, 0));
}

TEST(BitmapPartsTest, OpaqueCopyStopsAtThePaintRectangleBlendingDoesNot) {
  YdDecodedImagePtr image = Numbered();
  const RECT paint{0, 0, 4, 12};
  Canvas copied(12, 12, 0xFF777777u);
  PaintBitmapParts(image->bitmap.Get(), paint, RECT{0, 0, 6, 6}, copied.dc(), RECT{1, 1, 7, 7}, RECT{}, false, 255,
                   false);
  EXPECT_EQ(copied.At(1, 1), Src(0, 0));
  EXPECT_EQ(copied.At(3, 5), Src(2, 4));
  EXPECT_EQ(copied.CountNot(RECT{4, 0, 12, 12}, 0xFF777777u), 0);

  // The blended path draws every part that meets the paint rectangle whole.
  Canvas blended(12, 12, 0xFF777777u);
  PaintBitmapParts(image->bitmap.Get(), paint, RECT{0, 0, 6, 6}, blended.dc(), RECT{1, 1, 7, 7}, RECT{}, true, 255,
                   false);
  EXPECT_EQ(blended.At(6, 6), Src(5, 5));
  EXPECT_EQ(blended.At(1, 1), Src(0, 0));

  // Parts that miss the paint rectangle are skipped.
  Canvas skipped(12, 12, 0xFF777777u);
  PaintBitmapParts(image->bitmap.Get(), RECT{0, 0, 3, 3}, RECT{0, 0, 6, 6}, skipped.dc(), RECT{1, 1, 11, 11},
                   RECT{2, 2, 2, 2}, true, 255, false);
  EXPECT_EQ(skipped.At(1, 1), Src(0, 0));
  EXPECT_EQ(skipped.At(10, 10), 0xFF777777u);
}

TEST(BitmapPartsTest, FadeBlendsWithConstantAlpha) {
  YdDecodedImagePtr red = test::MakeSolidImage(2, 2, 0xFFFF0000u, false);
  Canvas half(2, 2, 0xFF000000u);
  PaintBitmapParts(red->bitmap.Get(), half.Bounds(), RECT{0, 0, 2, 2}, half.dc(), RECT{0, 0, 2, 2}, RECT{}, false, 128,
                   false);
  EXPECT_EQ(half.At(0, 0), 0xFF800000u);
  Canvas none(2, 2, 0xFF000000u);
  PaintBitmapParts(red->bitmap.Get(), none.Bounds(), RECT{0, 0, 2, 2}, none.dc(), RECT{0, 0, 2, 2}, RECT{}, false, 0,
                   false);
  EXPECT_EQ(none.At(1, 1), 0xFF000000u);
}

TEST(FillArgbRectTest, AlphaZeroHalfAndOpaque) {
  const RECT r{1, 1, 3, 3};
  Canvas zero(4, 4, 0xFF000000u);
  FillArgbRect(zero.dc(), r, 0x00FF0000u, true);
  EXPECT_EQ(zero.CountNot(zero.Bounds(), 0xFF000000u), 0);

  Canvas half(4, 4, 0xFF000000u);
  FillArgbRect(half.dc(), r, 0x80FF0000u, false);
  EXPECT_EQ(half.At(1, 1), 0xFF800000u);
  EXPECT_EQ(half.At(2, 2), 0xFF800000u);
  EXPECT_EQ(half.At(3, 3), 0xFF000000u);

  // Opaque without force: a GDI fill, which does not write the alpha byte.
  Canvas opaque(4, 4, 0x00000000u);
  FillArgbRect(opaque.dc(), r, 0xFF00FF00u, false);
  EXPECT_EQ(opaque.At(1, 1) & 0x00FFFFFFu, 0x0000FF00u);
  EXPECT_EQ(opaque.At(1, 1) >> 24, 0u);
  EXPECT_EQ(opaque.At(0, 0), 0u);
  // With force a stretch copy that writes alpha 255.
  Canvas forced(4, 4, 0x00000000u);
  FillArgbRect(forced.dc(), r, 0xFF00FF00u, true);
  EXPECT_EQ(forced.At(2, 2), 0xFF00FF00u);
  EXPECT_EQ(forced.At(3, 3), 0u);
}

TEST(FrameArgbRectTest, DirectAndThroughTheAlphaSurface) {
  const RECT r{1, 1, 7, 7};
  Canvas direct(8, 8, 0xFF000000u);
  FrameArgbRect(direct.dc(), r, 1, 0xFF0000FFu, false);
  EXPECT_EQ(direct.At(1, 1) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(direct.At(6, 6) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(direct.At(3, 3), 0xFF000000u);  // the null brush leaves the inside
  EXPECT_EQ(direct.At(7, 7), 0xFF000000u);

  Canvas forced(8, 8, 0x00000000u);
  FrameArgbRect(forced.dc(), r, 1, 0xFF0000FFu, true);
  EXPECT_EQ(forced.At(1, 1), 0xFF0000FFu);  // opaque alpha where the pen drew
  EXPECT_EQ(forced.At(6, 3), 0xFF0000FFu);
  EXPECT_EQ(forced.At(3, 3), 0u);
  EXPECT_EQ(forced.At(0, 0), 0u);

  Canvas half(8, 8, 0xFF000000u);
  FrameArgbRect(half.dc(), r, 2, 0x80FFFFFFu, false);
  EXPECT_EQ(half.At(2, 2), 0xFF808080u);  // inside frame of width 2
  EXPECT_EQ(half.At(3, 3), 0xFF000000u);
}

TEST(FrameArgbRoundRectTest, CornersStayOutsideTheRoundFrame) {
  const RECT r{0, 0, 20, 20};
  Canvas canvas(20, 20, 0x00000000u);
  FrameArgbRoundRect(canvas.dc(), r, 1, 10, 10, 0x80FF0000u);
  EXPECT_EQ(canvas.At(0, 0), 0u);
  EXPECT_EQ(canvas.At(10, 10), 0u);
  EXPECT_NE(canvas.At(10, 0), 0u);  // the top edge is drawn, half blended
  EXPECT_EQ(canvas.At(10, 0) >> 24, 0x80u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
