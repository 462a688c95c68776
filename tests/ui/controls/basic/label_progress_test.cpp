// label_progress_test.cpp -- the anti-aliased label text on an off-screen
// bitmap, the progress bar's fill at several values (0, part, maximum,
// clamped, fore inset, source mode) and the circle progress ring's sweep.
#include <cmath>

#include "tests/ui/controls/basic/controls_fixture.h"
#include "ui/controls/basic/circle_progress.h"
#include "ui/controls/basic/label.h"
#include "ui/controls/basic/progress.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

constexpr uint32_t kRgb = 0x00FFFFFFu;
constexpr uint32_t kGrey = 0xFF808080u;

int Red(uint32_t p) { return (p >> 16) & 0xFF; }
int Green(uint32_t p) { return (p >> 8) & 0xFF; }
int Blue(uint32_t p) { return p & 0xFF; }

TEST(LabelAntialias, TextIsBlendedInTheTextColourInsideTheTextArea) {
  YdLabel label;
  label.ApplyAttributeString(
      L"text=\"Zephyra WM\" text_antialias=\"true\" normaltextcolor=\"#FF0000FF\" normaltextpadding=\"4,4,4,4\"");
  ASSERT_TRUE(label.IsAntialiasText());
  label.SetPosition({10, 10, 150, 40});
  Canvas canvas(160, 50, kGrey);
  label.Paint(canvas.dc(), canvas.Bounds());
  int changed = 0, opaqueText = 0, outside = 0, offColour = 0;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 160; ++x) {
      const uint32_t p = canvas.At(x, y);
      if (p == kGrey) continue;
      const bool inArea = x >= 14 && x < 146 && y >= 14 && y < 36;
      if (!inArea) {
        ++outside;
        continue;
      }
      ++changed;
      if ((p & kRgb) == 0x0000FFu) ++opaqueText;
      // Blue over grey: never redder or greener than the grey, never less blue.
      if (Red(p) > 0x80 || Green(p) > 0x80 || Blue(p) < 0x80) ++offColour;
    }
  }
  EXPECT_GT(changed, 20);
  EXPECT_GT(opaqueText, 0);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(offColour, 0);
}

// On a fully transparent surface (a layered window's) the text brings its
// own alpha: untouched pixels stay transparent, stroke pixels get alpha and
// premultiplied colour no brighter than that alpha.
TEST(LabelAntialias, TextCarriesPerPixelAlpha) {
  YdLabel label;
  label.ApplyAttributeString(L"text=\"Zephyra WM\" text_antialias=\"true\" normaltextcolor=\"#FF0000FF\"");
  label.SetPosition({0, 0, 120, 30});
  Canvas canvas(120, 30, 0);
  label.Paint(canvas.dc(), canvas.Bounds());
  int opaque = 0, transparent = 0, bad = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 120; ++x) {
      const uint32_t p = canvas.At(x, y);
      const uint32_t a = p >> 24;
      if (p == 0) ++transparent;
      if (a == 0xFF) opaque += (p & kRgb) == 0x0000FFu;
      if (Blue(p) > static_cast<int>(a) || Red(p) != 0 || Green(p) != 0) ++bad;
    }
  }
  EXPECT_GT(opaque, 0);
  EXPECT_GT(transparent, 120 * 30 / 2);
  EXPECT_EQ(bad, 0);
}

TEST(LabelAntialias, OffOrEmptyTextUsesTheBaseDrawing) {
  YdLabel label;
  label.ApplyAttributeString(L"text_antialias=\"true\" normaltextcolor=\"#FF0000FF\"");
  label.SetPosition({0, 0, 100, 30});
  Canvas canvas(100, 30, kGrey);
  label.Paint(canvas.dc(), canvas.Bounds());
  EXPECT_EQ(canvas.CountNot(canvas.Bounds(), kGrey), 0);  // no text: nothing drawn
  label.ApplyAttribute(L"text_antialias", L"false");
  label.SetText(L"abc");
  label.Paint(canvas.dc(), canvas.Bounds());
  EXPECT_GT(canvas.CountNot(canvas.Bounds(), kGrey), 0);
}

class ProgressTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    AddFileImage(L"bar_red", MakeSolidImage(200, 10, 0xFFFF0000u, false));
    // Left half red, right half green.
    std::vector<uint32_t> halves(200 * 10);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 200; ++x) halves[y * 200 + x] = x < 100 ? 0xFFFF0000u : 0xFF00FF00u;
    }
    AddFileImage(L"bar_halves", MakeImage(200, 10, halves, false));
  }
  void SetUp() override {
    p_.SetPosition({0, 0, 200, 10});
    p_.ApplyAttribute(L"normalimage", L"bar_red");
  }
  // Columns of row 5 that were filled (not grey).
  int Filled(uint32_t colour = 0xFF0000u) {
    Canvas canvas(220, 12, kGrey);
    p_.Paint(canvas.dc(), canvas.Bounds());
    int n = 0;
    for (int x = 0; x < 220; ++x) n += (canvas.At(x, 5) & kRgb) == colour;
    return n;
  }
  YdProgress p_;
};

TEST_F(ProgressTest, FillFollowsValueAndStep) {
  p_.ApplyAttribute(L"step", L"10");
  EXPECT_EQ(p_.GetStep(), 10);
  p_.SetValue(5);
  EXPECT_EQ(Filled(), 100);
  p_.SetValue(20);
  EXPECT_EQ(Filled(), 200);  // clamped to the width
  p_.SetValue(0);
  EXPECT_EQ(Filled(), 0);
  EXPECT_FALSE(p_.GetNormalImage().empty());  // an empty bar keeps its image
  p_.ApplyAttribute(L"step", L"1");
  p_.SetValue(100);
  EXPECT_EQ(Filled(), 200);
  p_.SetValue(25);
  EXPECT_EQ(Filled(), 50);
}

TEST_F(ProgressTest, StepIsClamped) {
  p_.ApplyAttribute(L"step", L"0");
  EXPECT_EQ(p_.GetStep(), 1);
  p_.ApplyAttribute(L"step", L"500");
  EXPECT_EQ(p_.GetStep(), 100);
}

TEST_F(ProgressTest, ForeInsetPlacesTheFill) {
  p_.ApplyAttribute(L"foreinset", L"10,0,10,0");
  p_.SetValue(50);
  Canvas canvas(220, 12, kGrey);
  p_.Paint(canvas.dc(), canvas.Bounds());
  EXPECT_EQ(canvas.At(9, 5) & kRgb, kGrey & kRgb);
  EXPECT_EQ(canvas.At(10, 5) & kRgb, 0xFF0000u);
  EXPECT_EQ(canvas.At(99, 5) & kRgb, 0xFF0000u);
  EXPECT_EQ(canvas.At(100, 5) & kRgb, kGrey & kRgb);
}

TEST_F(ProgressTest, SourceModeCutsTheImageInsteadOfSqueezingIt) {
  p_.ApplyAttribute(L"normalimage", L"bar_halves");
  p_.SetValue(50);
  const int greenSqueezed = Filled(0x00FF00u);
  EXPECT_GT(greenSqueezed, 0);  // the whole image squeezed into 100 pixels
  p_.ApplyAttribute(L"source", L"true");
  EXPECT_EQ(Filled(0x00FF00u), 0);  // only the left (red) half is shown
  EXPECT_EQ(Filled(0xFF0000u), 100);
}

TEST_F(ProgressTest, CornersAboveTheFillDrawNothing) {
  p_.ApplyAttribute(L"normalimage", L"file='bar_red' corner='20,0,20,0'");
  p_.SetValue(30);  // 60 pixels, corners 40
  EXPECT_GT(Filled(), 0);
  p_.SetValue(15);  // 30 pixels
  EXPECT_EQ(Filled(), 0);
}

// Whether the pixel at `degrees` clockwise from twelve o'clock on the
// middle of the ring (radius 46 of 50) is filled.
bool RingFilledAt(const Canvas& canvas, double degrees) {
  const double rad = degrees * 3.14159265358979 / 180.0;
  const int x = static_cast<int>(50 + 46 * std::sin(rad));
  const int y = static_cast<int>(50 - 46 * std::cos(rad));
  return (canvas.At(x, y) & kRgb) == 0xFF0000u;
}

TEST(CircleProgress, SectorGrowsClockwiseFromTwelve) {
  YdCircleProgress circle;
  circle.ApplyAttribute(L"circlecolor", L"#FFFF0000");
  EXPECT_EQ(circle.GetCircleColor(), 0xFFFF0000u);
  circle.SetPosition({0, 0, 100, 100});
  auto paint = [&circle](int value, Canvas& canvas) {
    canvas.Fill(kGrey);
    circle.SetValue(value);
    circle.Paint(canvas.dc(), canvas.Bounds());
  };
  Canvas canvas(100, 100);
  paint(0, canvas);
  EXPECT_EQ(canvas.CountNot(canvas.Bounds(), kGrey), 0);
  paint(25, canvas);
  EXPECT_TRUE(RingFilledAt(canvas, 10));
  EXPECT_TRUE(RingFilledAt(canvas, 45));
  EXPECT_TRUE(RingFilledAt(canvas, 80));
  EXPECT_FALSE(RingFilledAt(canvas, 135));
  EXPECT_FALSE(RingFilledAt(canvas, 225));
  EXPECT_FALSE(RingFilledAt(canvas, 315));
  EXPECT_EQ(canvas.At(50, 50), kGrey);  // the inside of the ring stays empty
  EXPECT_EQ(canvas.At(70, 30), kGrey);
  paint(50, canvas);
  EXPECT_TRUE(RingFilledAt(canvas, 135));
  EXPECT_FALSE(RingFilledAt(canvas, 225));
  paint(100, canvas);
  for (double d : {10.0, 100.0, 190.0, 280.0, 350.0}) EXPECT_TRUE(RingFilledAt(canvas, d)) << d;
  EXPECT_EQ(canvas.At(50, 50), kGrey);
  // A later colour key replaces the brush.
  circle.ApplyAttribute(L"mycirclecolor", L"FF00FF00");
  paint(100, canvas);
  EXPECT_EQ(canvas.At(50, 4) & kRgb, 0x00FF00u);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
