// The descriptor painter through the process-wide cache: resource parts,
// placement with dest and right, fade, gray, premultiplied and keyed
// pixels, alphaClose for one draw, effects, round clips and corner regions;
// at twice the scale a 1×-only resource is resampled and its 1× source
// rectangle read on the enlarged image.
#include <gtest/gtest.h>

#include "tests/ui/render/canvas.h"
#include "ui/render/image_painter.h"
#include "ui/render/resource_cache.h"
#include "ui/render/round_clip.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using test::Canvas;

class ImagePainterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    GetResourceCache().SetResourceModule(::GetModuleHandleW(nullptr));
    folder_ = test::MakeTempFolder(L"painter");
    GetResourceCache().SetResourceFolder(folder_);
    // 2 x 1 PNG: half-transparent (200, 10, 20, 128), opaque magenta.
    test::WriteFileBytes(folder_ + L"\\two.png", test::EncodePng(2, 1, {200, 10, 20, 128, 255, 0, 255, 255}));
    AddFileImage(L"red4", test::MakeSolidImage(4, 4, 0xFFFF0000u, false));
    AddFileImage(L"soft4", test::MakeSolidImage(4, 4, 0x80400000u, true));
  }
  static void TearDownTestSuite() { test::RemoveFolder(folder_); }
  static std::wstring folder_;
};
std::wstring ImagePainterTest::folder_;

TEST_F(ImagePainterTest, ResourcePartAtTheItemUnscaled) {
  Canvas canvas(150, 50, 0);
  const RECT item{5, 7, 145, 45};
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), item, L"res='102' restype='PNG' source='0,38,140,76'"));
  for (int j : {0, 1, 20, 37}) {
    for (int i : {0, 1, 70, 139}) {
      EXPECT_EQ(canvas.At(5 + i, 7 + j), 0xFF000040u | (i << 16) | ((38 + j) << 8)) << i << "," << j;
    }
  }
  EXPECT_EQ(canvas.At(4, 7), 0u);
  EXPECT_EQ(canvas.At(145, 7), 0u);
  EXPECT_EQ(canvas.At(5, 45), 0u);
}

TEST_F(ImagePainterTest, OneTimesResourceAtTwiceTheScale) {
  // Resource 102 has no 2× set: the cache enlarges its 140 × 76 pixels to
  // 280 × 152 (bicubic, which keeps a linear ramp), and the 1× slice
  // 0,38,140,76 becomes 0,76,280,152. Odd output pixels 2i+1 sit at input
  // i + 0.25, so they read back the 1× values.
  Canvas canvas(280, 76, 0);
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(),
                                   L"res='102' restype='PNG' source='0,38,140,76'", L"", YdDpiScale(192)));
  for (int k : {1, 10, 36}) {
    for (int i : {1, 70, 138}) {
      EXPECT_EQ(canvas.At(2 * i + 1, 2 * k + 1), 0xFF000040u | (i << 16) | ((38 + k) << 8)) << i << "," << k;
    }
  }
  // "dest" is a 96-DPI rectangle: 10,5,30,15 lands at 20,10,60,30.
  Canvas placed(80, 40, 0);
  ASSERT_TRUE(PaintImageDescriptor(placed.dc(), placed.Bounds(), placed.Bounds(), L"file='red4' dest='10,5,30,15'",
                                   L"", YdDpiScale(192)));
  EXPECT_EQ(placed.At(20, 10), 0xFFFF0000u);
  EXPECT_EQ(placed.At(59, 29), 0xFFFF0000u);
  EXPECT_EQ(placed.At(19, 10), 0u);
  EXPECT_EQ(placed.At(60, 29), 0u);
}

TEST_F(ImagePainterTest, DestAndRightPlacement) {
  Canvas canvas(60, 40, 0);
  const RECT item{10, 10, 50, 35};
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), item, L"file='red4' dest='10,5,0,0'"));
  // Stretched from (item.left + 10, item.top + 5) to the item's edges.
  EXPECT_EQ(canvas.At(20, 15), 0xFFFF0000u);
  EXPECT_EQ(canvas.At(49, 34), 0xFFFF0000u);
  EXPECT_EQ(canvas.At(19, 15), 0u);
  EXPECT_EQ(canvas.At(20, 14), 0u);
  EXPECT_EQ(canvas.At(50, 34), 0u);

  Canvas right(60, 40, 0);
  ASSERT_TRUE(PaintImageDescriptor(right.dc(), right.Bounds(), item, L"file='red4' right='true' dest='0,5,20,25'"));
  // (item.right - 20, item.top + 5, item.right, item.top + 25)
  EXPECT_EQ(right.At(30, 15), 0xFFFF0000u);
  EXPECT_EQ(right.At(49, 34), 0xFFFF0000u);
  EXPECT_EQ(right.At(29, 15), 0u);
  EXPECT_EQ(right.At(30, 14), 0u);
  EXPECT_EQ(right.At(49, 35), 0u);
}

TEST_F(ImagePainterTest, TwoSpacesDropOnlyThePairAfterThem) {
  Canvas canvas(4, 4, 0xFF000000u);
  // fade='128' is read as the key " fade" and ignored: the copy is opaque.
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), L"file='red4'  fade='128' dest='0,0,2,2'"));
  EXPECT_EQ(canvas.At(1, 1), 0xFFFF0000u);
  EXPECT_EQ(canvas.At(2, 2), 0xFF000000u);  // dest after it still applies
}

TEST_F(ImagePainterTest, FadeAndWrappedFade) {
  Canvas half(4, 4, 0xFF000000u);
  ASSERT_TRUE(PaintImageDescriptor(half.dc(), half.Bounds(), half.Bounds(), L"file='red4' fade='128'"));
  EXPECT_EQ(half.At(2, 2), 0xFF800000u);
  Canvas wrapped(4, 4, 0xFF000000u);
  Canvas zero(4, 4, 0xFF000000u);
  ASSERT_TRUE(PaintImageDescriptor(wrapped.dc(), wrapped.Bounds(), wrapped.Bounds(), L"file='red4' fade='256'"));
  ASSERT_TRUE(PaintImageDescriptor(zero.dc(), zero.Bounds(), zero.Bounds(), L"file='red4' fade='0'"));
  EXPECT_EQ(wrapped.At(2, 2), zero.At(2, 2));
  EXPECT_EQ(wrapped.At(2, 2), 0xFF000000u);
}

TEST_F(ImagePainterTest, GrayCopyOfPureRed) {
  Canvas canvas(4, 4, 0);
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), L"file='red4' gray='true'"));
  EXPECT_EQ(canvas.At(0, 0), 0xFF4C4C4Cu);
}

TEST_F(ImagePainterTest, PremultipliedPixelAndMaskKeying) {
  Canvas canvas(2, 1, 0xFF00FF00u);
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), L"file='two.png' mask='FFFF00FF'"));
  // 100, 5, 10 at alpha 128 over opaque green: red 100 + 0, green 5 + 255 * 127 / 255.
  const uint32_t blended = canvas.At(0, 0);
  EXPECT_EQ((blended >> 16) & 0xFF, 100u);
  EXPECT_NEAR(static_cast<int>((blended >> 8) & 0xFF), 5 + 127, 1);
  // The keyed magenta pixel leaves the green background.
  EXPECT_EQ(canvas.At(1, 0), 0xFF00FF00u);
}

TEST_F(ImagePainterTest, AlphaCloseAffectsOnlyOneDraw) {
  Canvas closed(4, 4, 0xFF00FF00u);
  ASSERT_TRUE(PaintImageDescriptor(closed.dc(), closed.Bounds(), closed.Bounds(), L"file='soft4' alphaClose='true'"));
  EXPECT_EQ(closed.At(1, 1), 0x80400000u);  // copied as it is
  EXPECT_TRUE(GetFileImage(L"soft4", 0, false)->alpha);
  Canvas blended(4, 4, 0xFF00FF00u);
  ASSERT_TRUE(PaintImageDescriptor(blended.dc(), blended.Bounds(), blended.Bounds(), L"file='soft4'"));
  EXPECT_EQ((blended.At(1, 1) >> 16) & 0xFF, 0x40u);
  EXPECT_NE((blended.At(1, 1) >> 8) & 0xFF, 0u);  // the green shows through
}

TEST_F(ImagePainterTest, Results) {
  Canvas canvas(4, 4, 0);
  EXPECT_FALSE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), L"file='nowhere.png'"));
  EXPECT_FALSE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), L"res='999' restype='PNG'"));
  EXPECT_TRUE(PaintImageDescriptor(nullptr, canvas.Bounds(), canvas.Bounds(), L"file='red4'"));
  // Entirely clipped away: still true, nothing drawn.
  EXPECT_TRUE(PaintImageDescriptor(canvas.dc(), RECT{0, 0, 1, 1}, RECT{2, 2, 4, 4}, L"file='red4'"));
  EXPECT_EQ(canvas.CountNot(canvas.Bounds(), 0u), 0);
}

TEST_F(ImagePainterTest, IconFallbackConvertsAndCachesTheIcon) {
  const std::wstring path = folder_ + L"\\badge.ico";
  ASSERT_TRUE(test::WriteFileBytes(path, test::EncodeIcon(8, 0xFF0000FFu)));
  const std::wstring descriptor = L"file='" + path + L"' icon='true' iconsize='8'";
  EXPECT_FALSE(PaintImageDescriptor(nullptr, RECT{}, RECT{}, L"file='" + path + L"'"));  // not an image without icon
  Canvas canvas(8, 8, 0xFF00FF00u);
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), descriptor));
  EXPECT_EQ(canvas.At(1, 3), 0xFF00FF00u);  // masked half: the background shows
  EXPECT_EQ(canvas.At(6, 3), 0xFF0000FFu);
  // The converted icon is in the cache under the file name, never evicted.
  EXPECT_TRUE(GetResourceCache().HoldsFileImage(path));
  EXPECT_TRUE(GetFileImage(path, 0, false)->alpha);
  for (const std::wstring& name : GetResourceCache().RecentFileNames()) EXPECT_NE(name, path);
}

// A resource icon is named by a 16-bit id: 65536 + 105 names none, rather
// than icon 105 through its low bits.
TEST_F(ImagePainterTest, IconResourceIdsBeyondSixteenBitsNameNoIcon) {
  EXPECT_FALSE(PaintImageDescriptor(nullptr, RECT{}, RECT{}, L"res='65641' restype='ICO' icon='true' iconsize='16'"));
  EXPECT_TRUE(PaintImageDescriptor(nullptr, RECT{}, RECT{}, L"res='105' restype='ICO' icon='true' iconsize='16'"));
}

TEST_F(ImagePainterTest, ReflectionIsClampedToItsRows) {
  // 4 x 4 image, reflection into a destination twice as tall: only the
  // reflection's four rows are stretched over it, nothing read beyond.
  Canvas canvas(4, 8, 0);
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), L"file='red4' reverse='true'"));
  // Next to the image (top) the reflection is brightest; it fades downwards.
  const uint32_t top = (canvas.At(0, 0) >> 16) & 0xFF;
  const uint32_t bottom = (canvas.At(0, 7) >> 16) & 0xFF;
  EXPECT_GT(top, 0u);
  EXPECT_LT(top, 255u);
  EXPECT_LE(bottom, top);
}

TEST_F(ImagePainterTest, RotationCentresTheImageBox) {
  Canvas canvas(40, 40, 0);
  const RECT item{10, 10, 30, 30};
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), item, L"file='red4' dest='8,8,12,12' rotate='45'"));
  // The image box is (18, 18, 22, 22); its rotated copy is centred on it.
  EXPECT_EQ(canvas.At(20, 20) & 0x00FF0000u, 0x00FF0000u);
  EXPECT_EQ(canvas.At(10, 10), 0u);
}

TEST_F(ImagePainterTest, RoundClipKeepsCornersAndIsUndone) {
  Canvas canvas(20, 20, 0);
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), L"file='red4' round='10'"));
  EXPECT_EQ(canvas.At(0, 0), 0u);
  EXPECT_EQ(canvas.At(10, 10), 0xFFFF0000u);
  // After the draw the clip is back: a plain draw reaches the corner.
  ASSERT_TRUE(PaintImageDescriptor(canvas.dc(), canvas.Bounds(), canvas.Bounds(), L"file='red4'"));
  EXPECT_EQ(canvas.At(0, 0), 0xFFFF0000u);
}

TEST(RoundClipTest, TopCornersOnlyWhenRyIsZero) {
  Canvas canvas(20, 20, 0);
  RoundClip clip;
  BeginRoundClip(canvas.dc(), &clip, RECT{0, 0, 20, 20}, 10, 0);
  const RECT all{0, 0, 20, 20};
  ScopedBrush brush(::CreateSolidBrush(RGB(255, 255, 255)));
  ::FillRect(canvas.dc(), &all, brush.Get());
  EndRoundClip(&clip);
  EXPECT_EQ(canvas.At(0, 0), 0u);
  EXPECT_EQ(canvas.At(0, 19) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(canvas.At(19, 19) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(CornerRegionTest, CutsTransparentCornerPixelsMappedToTheClientEdges) {
  GetResourceCache().SetResourceModule(::GetModuleHandleW(nullptr));
  // 6 x 6 opaque image with transparent (0, 0) and (5, 5).
  std::vector<uint32_t> p(36, 0xFF112233u);
  p[0] = 0;
  p[35] = 0;
  p[14] = 0;  // (2, 2): outside the 2-pixel corners, kept
  AddFileImage(L"cornered", test::MakeImage(6, 6, p, true));
  ScopedRegion region(MakeCornerRegion(L"file='cornered' corner='2,2,2,2'", 50, 100));
  ASSERT_TRUE(region);
  EXPECT_FALSE(::PtInRegion(region.Get(), 0, 0));
  EXPECT_TRUE(::PtInRegion(region.Get(), 1, 0));
  EXPECT_TRUE(::PtInRegion(region.Get(), 2, 2));
  EXPECT_FALSE(::PtInRegion(region.Get(), 99, 49));  // (5, 5) -> client's bottom-right
  EXPECT_TRUE(::PtInRegion(region.Get(), 98, 49));
  EXPECT_TRUE(::PtInRegion(region.Get(), 50, 25));
  // At 2x each cut pixel is a 2 x 2 block from its edge; the opaque pixel
  // next to it still shows.
  ScopedRegion doubled(MakeCornerRegion(L"file='cornered' corner='2,2,2,2'", 100, 200, YdDpiScale(192)));
  ASSERT_TRUE(doubled);
  EXPECT_FALSE(::PtInRegion(doubled.Get(), 1, 1));
  EXPECT_TRUE(::PtInRegion(doubled.Get(), 2, 0));
  EXPECT_FALSE(::PtInRegion(doubled.Get(), 198, 98));
  EXPECT_TRUE(::PtInRegion(doubled.Get(), 197, 99));
  EXPECT_TRUE(::PtInRegion(doubled.Get(), 4, 4));
  EXPECT_FALSE(MakeCornerRegion(L"file='cornered' corner='0,0,0,0'", 50, 100));
  EXPECT_FALSE(MakeCornerRegion(L"file='cornered'", 50, 100));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
