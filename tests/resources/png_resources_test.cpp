// The skin's PNG resources: every id the skin and the install worker name is
// present with its size, and the pictures do what the wizard needs of them
// (a ring that fills step by step, sprites whose states differ, opaque page
// backgrounds, a see-through overlay).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

#include "tests/resources/resource_test_util.h"

namespace {

using namespace resource_test;

// An RGBA picture decoded from a PNG resource; `width`, `height` and At()
// are in 1x pixels, also for an image drawn at 2x only.
struct Picture {
  int width = 0;
  int height = 0;
  int factor = 1;
  std::unique_ptr<stbi_uc, void (*)(void*)> pixels{nullptr, stbi_image_free};

  const stbi_uc* At(int x, int y) const {
    return pixels.get() + (size_t(y) * factor * width * factor + size_t(x) * factor) * 4;
  }
};

Picture Decode(int id) {
  Picture p;
  const SkinPng png = FindSkinPng(id);
  if (png.bytes.empty()) return p;
  int channels = 0;
  p.pixels.reset(stbi_load_from_memory(png.bytes.data, int(png.bytes.size), &p.width, &p.height, &channels, 4));
  p.factor = png.factor;
  p.width /= png.factor;
  p.height /= png.factor;
  return p;
}

// Mean absolute difference of two equally sized slices of a sprite.
double SliceDifference(const Picture& p, int slice_a, int slice_b, int slice_height) {
  double sum = 0;
  for (int y = 0; y < slice_height; ++y)
    for (int x = 0; x < p.width; ++x)
      for (int c = 0; c < 4; ++c)
        sum += std::abs(int(p.At(x, slice_a * slice_height + y)[c]) - int(p.At(x, slice_b * slice_height + y)[c]));
  return sum / (double(p.width) * slice_height * 4);
}

TEST(PngResources, EveryImageExistsWithItsSize) {
  for (const ImageSpec& image : SkinImages()) {
    SCOPED_TRACE(testing::Message() << "PNG " << image.id << " (" << image.what << ")");
    // Every image has its 2x picture; the ring's have no 1x one.
    PngHeader header;
    ASSERT_TRUE(ReadPngHeader(Find(L"PNG_200", image.id), &header)) << "no 2x picture";
    EXPECT_EQ(header.width, uint32_t(2 * image.width));
    EXPECT_EQ(header.height, uint32_t(2 * image.height));
    const bool ring = image.id == 209 || (image.id >= 211 && image.id <= 235);
    EXPECT_EQ(FindPng(image.id).empty(), ring);
    const SkinPng png = FindSkinPng(image.id);
    ASSERT_TRUE(ReadPngHeader(png.bytes, &header)) << "no PNG signature and header";
    EXPECT_EQ(header.width, uint32_t(image.width * png.factor));
    EXPECT_EQ(header.height, uint32_t(image.height * png.factor));
    // optipng stores an image as a palette or without alpha where its pixels
    // allow; the decoder hands back 8-bit RGBA whatever the stored format.
    const Picture picture = Decode(image.id);
    ASSERT_NE(picture.pixels, nullptr) << "does not decode";
    EXPECT_EQ(picture.width, image.width);
    EXPECT_EQ(picture.height, image.height);
  }
}

TEST(PngResources, PageBackgroundsAreOpaqueAndTheOverlayIsSeeThrough) {
  for (int id : {100, 107, 114, 200}) {
    const Picture p = Decode(id);
    ASSERT_NE(p.pixels, nullptr) << id;
    int transparent = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) transparent += p.At(x, y)[3] != 255;
    EXPECT_EQ(transparent, 0) << "PNG " << id << " has pixels that are not opaque";
  }
  const Picture veil = Decode(123);
  ASSERT_NE(veil.pixels, nullptr);
  for (int y = 0; y < veil.height; y += 7)
    for (int x = 0; x < veil.width; x += 7) {
      const int alpha = veil.At(x, y)[3];
      ASSERT_GT(alpha, 40) << x << "," << y;
      ASSERT_LT(alpha, 200) << x << "," << y;
    }
}

TEST(PngResources, SpriteStatesDiffer) {
  struct Sprite { int id; int states; };
  for (const Sprite s : {Sprite{101, 3}, Sprite{102, 4}, Sprite{103, 4}, Sprite{105, 3}, Sprite{108, 2},
                         Sprite{109, 3}, Sprite{207, 3}, Sprite{208, 3}}) {
    const Picture p = Decode(s.id);
    ASSERT_NE(p.pixels, nullptr) << s.id;
    const int slice = p.height / s.states;
    ASSERT_EQ(slice * s.states, p.height) << s.id;
    for (int a = 0; a < s.states; ++a)
      for (int b = a + 1; b < s.states; ++b)
        EXPECT_GT(SliceDifference(p, a, b, slice), 0.5) << "PNG " << s.id << " states " << a << " and " << b;
  }
}

// Saturation 0..255 of a pixel, max minus min of its channels.
int Saturation(const stbi_uc* px) {
  return std::max({px[0], px[1], px[2]}) - std::min({px[0], px[1], px[2]});
}

TEST(PngResources, DisabledInstallButtonIsGrey) {
  const Picture p = Decode(102);
  ASSERT_NE(p.pixels, nullptr);
  // Sample the button's face away from the text: left end, vertical middle.
  const stbi_uc* normal = p.At(14, 19);
  const stbi_uc* disabled = p.At(14, 114 + 19);
  EXPECT_EQ(normal[3], 255);
  EXPECT_EQ(disabled[3], 255);
  EXPECT_GT(Saturation(normal), 100);
  EXPECT_LT(Saturation(disabled), 40);
}

TEST(PngResources, CheckBoxShowsItsSelection) {
  const Picture p = Decode(103);
  ASSERT_NE(p.pixels, nullptr);
  // Slices: 0 normal, 1 hot, 2 selected, 3 hot selected. Near the top left
  // corner inside the frame: white when clear, blue when selected.
  for (int slice : {0, 1}) {
    const stbi_uc* px = p.At(2, slice * 12 + 2);
    EXPECT_GT(px[0], 240) << slice;
    EXPECT_GT(px[2], 240) << slice;
  }
  for (int slice : {2, 3}) {
    const stbi_uc* px = p.At(2, slice * 12 + 2);
    EXPECT_GT(px[2], px[0] + 80) << slice;
    EXPECT_EQ(px[3], 255) << slice;
  }
}

// The ring's geometry in the 140 x 140 ring images.
constexpr double kCentre = 70.0;
constexpr double kRadius = 57.0;

bool IsArcColour(const stbi_uc* px) { return px[3] > 200 && int(px[2]) > int(px[0]) + 60; }

// Share of the ring's centre line (sampled every degree, clockwise from
// twelve o'clock) that shows the progress arc.
double FilledShare(const Picture& p) {
  int filled = 0;
  for (int deg = 0; deg < 360; ++deg) {
    const double a = (deg - 90) * 3.14159265358979 / 180.0;
    const int x = int(std::lround(kCentre + kRadius * std::cos(a)));
    const int y = int(std::lround(kCentre + kRadius * std::sin(a)));
    filled += IsArcColour(p.At(x, y));
  }
  return filled / 360.0;
}

bool FilledAt(const Picture& p, double deg_clockwise_from_top) {
  const double a = (deg_clockwise_from_top - 90) * 3.14159265358979 / 180.0;
  return IsArcColour(p.At(int(std::lround(kCentre + kRadius * std::cos(a))),
                          int(std::lround(kCentre + kRadius * std::sin(a)))));
}

TEST(PngResources, RingFillsClockwiseFromTwelveInThirteenSteps) {
  const Picture empty = Decode(209);
  ASSERT_NE(empty.pixels, nullptr);
  EXPECT_EQ(FilledShare(empty), 0.0);
  // The empty track is drawn: the centre line is visible, not transparent.
  EXPECT_GT(empty.At(70, 13)[3], 200);

  double previous = 0;
  for (int step = 1; step <= 13; ++step) {
    SCOPED_TRACE(testing::Message() << "step " << step << ", PNG " << 219 + step);
    const Picture p = Decode(219 + step);
    ASSERT_NE(p.pixels, nullptr);
    const double share = FilledShare(p);
    // Round caps add a little at both ends of the arc.
    EXPECT_NEAR(share, step / 13.0, 0.04);
    EXPECT_GT(share, previous);
    previous = share;
    EXPECT_TRUE(FilledAt(p, 8)) << "the arc starts at twelve o'clock";
    EXPECT_TRUE(FilledAt(p, 360.0 * step / 13 - 8)) << "the arc runs clockwise";
    if (step < 13) {
      EXPECT_FALSE(FilledAt(p, 360.0 * step / 13 + 10)) << "the arc stops at its step";
      EXPECT_FALSE(FilledAt(p, 345)) << "the arc is open before the last step";
    }
  }
}

bool IsGreen(const stbi_uc* px) { return px[3] > 200 && px[1] > px[0] + 50 && px[1] > px[2] + 20; }
bool IsWhite(const stbi_uc* px) { return px[3] > 200 && px[0] > 235 && px[1] > 235 && px[2] > 235; }

TEST(PngResources, CompletionFramesCloseTheRingAndDrawATick) {
  // The frames play in this order after the full ring (232).
  const int frames[] = {233, 234, 235, 211, 212, 213, 214};
  int previous_white = -1;
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(testing::Message() << "PNG " << frames[i]);
    const Picture p = Decode(frames[i]);
    ASSERT_NE(p.pixels, nullptr);
    // The ring has turned (at least partly) green on its centre line.
    EXPECT_GT(p.At(70, 13)[1], p.At(70, 13)[0] + 40);
    if (i >= 2) {
      // From 235 on the ring has closed into a green disc; the tick grows in
      // it from 211 to 214.
      int white = 0;
      for (int y = 30; y < 110; ++y)
        for (int x = 30; x < 110; ++x) white += IsWhite(p.At(x, y));
      EXPECT_TRUE(IsGreen(p.At(70, 40))) << "disc above the tick";
      if (i == 2) EXPECT_EQ(white, 0) << "235 is the plain disc";
      else EXPECT_GT(white, previous_white) << "the tick grows";
      previous_white = white;
    }
  }
  // The last frame holds the whole tick: its corner and its far end.
  const Picture last = Decode(214);
  ASSERT_NE(last.pixels, nullptr);
  EXPECT_TRUE(IsWhite(last.At(62, 88)));
  EXPECT_TRUE(IsWhite(last.At(94, 55)));
}

}  // namespace
