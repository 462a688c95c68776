// Resampling of 1×-only skin images: flat areas stay flat, a hard edge stays
// a steep ramp without overshoot beyond the input's range, reducing averages
// by area, and premultiplied colour never exceeds alpha.
#include <gtest/gtest.h>

#include "ui/render/image_resample.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(ImageResample, FlatStaysFlatAndAreaReductionAverages) {
  const std::vector<uint32_t> flat(6 * 4, 0xFF2F80EDu);
  for (uint32_t p : ResamplePixels(flat, 6, 4, 9, 6)) ASSERT_EQ(p, 0xFF2F80EDu);
  for (uint32_t p : ResamplePixels(flat, 6, 4, 15, 10)) ASSERT_EQ(p, 0xFF2F80EDu);
  // 4 × 1 → 2 × 1: each output is the mean of two inputs.
  const std::vector<uint32_t> row{0xFF000000u, 0xFF0000FFu, 0xFF00FF00u, 0xFF00FF00u};
  EXPECT_EQ(ResamplePixels(row, 4, 1, 2, 1), (std::vector<uint32_t>{0xFF000080u, 0xFF00FF00u}));
  EXPECT_TRUE(ResamplePixels(row, 3, 1, 2, 1).empty());  // size does not match
}

TEST(ImageResample, EnlargedEdgeIsASteepRampWithinRange) {
  // Black | white at 1×, doubled: the far halves stay pure, the two pixels
  // at the edge step between them, clamped (no ringing below 0 or above 255).
  std::vector<uint32_t> edge(8, 0xFF000000u);
  for (int x = 4; x < 8; ++x) edge[static_cast<size_t>(x)] = 0xFFFFFFFFu;
  const std::vector<uint32_t> out = ResamplePixels(edge, 8, 1, 16, 1);
  ASSERT_EQ(out.size(), 16u);
  for (int x = 0; x < 6; ++x) EXPECT_EQ(out[static_cast<size_t>(x)], 0xFF000000u) << x;
  for (int x = 10; x < 16; ++x) EXPECT_EQ(out[static_cast<size_t>(x)], 0xFFFFFFFFu) << x;
  for (int x = 1; x < 16; ++x) EXPECT_GE(out[static_cast<size_t>(x)] & 0xFF, out[static_cast<size_t>(x) - 1] & 0xFF);
  EXPECT_GT(out[8] & 0xFF, 0x80u);
  EXPECT_LT(out[7] & 0xFF, 0x80u);
}

TEST(ImageResample, PremultipliedColourNeverExceedsAlpha) {
  // Opaque white next to fully transparent: the bicubic overshoot on colour
  // must not leave colour above the interpolated alpha.
  const std::vector<uint32_t> px{0x00000000u, 0x00000000u, 0xFFFFFFFFu, 0xFFFFFFFFu, 0x00000000u, 0x00000000u};
  for (uint32_t p : ResamplePixels(px, 6, 1, 15, 1)) {
    const uint32_t a = p >> 24;
    for (int c = 0; c < 24; c += 8) ASSERT_LE((p >> c) & 0xFF, a);
  }
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
