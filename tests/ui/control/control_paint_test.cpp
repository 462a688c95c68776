// control_paint_test.cpp -- a control painting itself into an off-screen
// bitmap: background colours by state with their paddings, background and
// status images with the fallback of broken ones, text colours by state,
// borders, the round clip, the dirty rectangle and the auto tip.
#include "tests/ui/manager/manager_fixture.h"
#include "tests/ui/render/canvas.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

constexpr uint32_t kRgb = 0x00FFFFFFu;
constexpr uint32_t kBlank = 0xFF808080u;

class PaintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    AddFileImage(L"red8", MakeSolidImage(8, 8, 0xFFFF0000u, false));
    AddFileImage(L"green8", MakeSolidImage(8, 8, 0xFF00FF00u, false));
  }
  void SetUp() override {
    c_.SetPosition({10, 10, 50, 40});
  }
  uint32_t Paint(int x, int y) {
    Canvas canvas(60, 50, kBlank);
    c_.Paint(canvas.dc(), canvas.Bounds());
    return canvas.At(x, y) & kRgb;
  }
  void Enter() {
    YdEvent e;
    e.type = kEventMouseEnter;
    e.point = {20, 20};
    c_.HandleEvent(e);
  }
  void Focus() {
    YdEvent e;
    e.type = kEventSetFocus;
    c_.HandleEvent(e);
  }
  YdControl c_;
};

TEST_F(PaintTest, BackgroundColourFollowsTheStatePrecedence) {
  EXPECT_EQ(Paint(20, 20), kBlank & kRgb);  // no colour: nothing drawn
  c_.ApplyAttribute(L"normalbkcolor", L"#FF0000FF");
  EXPECT_EQ(Paint(20, 20), 0x0000FFu);
  EXPECT_EQ(Paint(5, 5), kBlank & kRgb);  // only the position is filled
  c_.ApplyAttribute(L"hotbkcolor", L"#FFFF0000");
  c_.ApplyAttribute(L"focusedbkcolor", L"#FF00FF00");
  Focus();
  EXPECT_EQ(Paint(20, 20), 0x00FF00u);  // focused
  Enter();
  EXPECT_EQ(Paint(20, 20), 0xFF0000u);  // hot comes before focused
  c_.ApplyAttribute(L"disabledbkcolor", L"#FF101010");
  c_.SetEnabled(false);
  EXPECT_EQ(Paint(20, 20), 0x101010u);  // disabled comes first
  c_.ApplyAttribute(L"disabledbkcolor", L"0");  // unset: the next state that applies
  EXPECT_EQ(Paint(20, 20), 0x00FF00u);           // disabling cleared hot; it is still focused
  YdEvent kill;
  kill.type = kEventKillFocus;
  c_.HandleEvent(kill);
  EXPECT_EQ(Paint(20, 20), 0x0000FFu);  // nothing but the normal colour is left
}

TEST_F(PaintTest, BackgroundColourPaddings) {
  c_.ApplyAttribute(L"normalbkcolor", L"#FF0000FF");
  c_.ApplyAttribute(L"normalbkcolorpadding", L"5,0,0,0");
  c_.ApplyAttribute(L"hotbkcolor", L"#FFFF0000");
  c_.ApplyAttribute(L"bkcolorpadding", L"0,0,0,10");
  EXPECT_EQ(Paint(12, 20), kBlank & kRgb);
  EXPECT_EQ(Paint(16, 20), 0x0000FFu);
  Enter();
  EXPECT_EQ(Paint(12, 20), 0xFF0000u);
  EXPECT_EQ(Paint(20, 35), kBlank & kRgb);  // the state colour's own padding
}

TEST_F(PaintTest, TranslucentColourIsBlended) {
  c_.ApplyAttribute(L"normalbkcolor", L"#80FFFFFF");
  const uint32_t p = Paint(20, 20);
  EXPECT_GT(p & 0xFF, 0x80u);
  EXPECT_LT(p & 0xFF, 0xFFu);
  c_.ApplyAttribute(L"normalbkcolor", L"#00FFFFFF");  // alpha 0 draws nothing
  EXPECT_EQ(Paint(20, 20), kBlank & kRgb);
}

TEST_F(PaintTest, ImagesDrawOverTheColourAndBrokenOnesAreCleared) {
  c_.ApplyAttribute(L"normalbkcolor", L"#FF0000FF");
  c_.ApplyAttribute(L"bknormalimage", L"file='red8' dest='0,0,8,8'");
  EXPECT_EQ(Paint(12, 12), 0xFF0000u);  // the image over the colour
  EXPECT_EQ(Paint(30, 30), 0x0000FFu);
  c_.ApplyAttribute(L"normalimage", L"file='green8' dest='4,4,12,12'");
  EXPECT_EQ(Paint(16, 16), 0x00FF00u);  // the status image over the background image
  c_.ApplyAttribute(L"hotimage", L"file='missing-image.png'");
  Enter();
  EXPECT_EQ(Paint(16, 16), 0x00FF00u);  // the broken hot image falls back to normal
  EXPECT_EQ(c_.StatusImages().hot, L"");  // and is not tried again
  c_.ApplyAttribute(L"normalimage", L"file='also-missing.png'");
  Paint(16, 16);
  EXPECT_EQ(c_.GetNormalImage(), L"");
}

TEST_F(PaintTest, EffectOverlayAppliesToTheNormalStatusImage) {
  c_.ApplyAttribute(L"normalimage", L"file='red8' dest='0,0,8,8'");
  c_.SetOverlayValue(L"fade", L"0");
  EXPECT_EQ(Paint(12, 12), kBlank & kRgb);  // fully faded out
  c_.SetOverlayValue(L"fade", L"255");
  EXPECT_EQ(Paint(12, 12), 0xFF0000u);
  EXPECT_EQ(c_.GetNormalImage(), L"file='red8' dest='0,0,8,8'");  // the descriptor itself is unchanged
}

TEST_F(PaintTest, BorderNeedsAColourAndTheFocusedColourWhenFocused) {
  c_.ApplyAttribute(L"normalbkcolor", L"#FF0000FF");
  EXPECT_EQ(c_.GetBorderSize(), 1);
  EXPECT_EQ(Paint(10, 20), 0x0000FFu);  // default size 1, no colour: no border
  c_.ApplyAttribute(L"bordercolor", L"#FFFF0000");
  EXPECT_EQ(Paint(10, 20), 0xFF0000u);  // drawn after the background
  EXPECT_EQ(Paint(49, 20), 0xFF0000u);
  EXPECT_EQ(Paint(11, 20), 0x0000FFu);
  Focus();
  EXPECT_EQ(Paint(10, 20), 0x0000FFu);  // focused, no focused colour: none
  c_.ApplyAttribute(L"focusedbordercolor", L"#FF00FF00");
  EXPECT_EQ(Paint(10, 20), 0x00FF00u);
  c_.ApplyAttribute(L"bordersize", L"0");
  EXPECT_EQ(Paint(10, 20), 0x0000FFu);
}

TEST_F(PaintTest, RoundCornerClipsTheCorners) {
  c_.ApplyAttribute(L"normalbkcolor", L"#FF0000FF");
  c_.ApplyAttribute(L"roundcorner", L"12,12");
  EXPECT_EQ(Paint(10, 10), kBlank & kRgb);
  EXPECT_EQ(Paint(30, 25), 0x0000FFu);
  // The clip is undone: a later drawing on the same DC is not clipped.
  Canvas canvas(60, 50, kBlank);
  c_.Paint(canvas.dc(), canvas.Bounds());
  ::SetPixel(canvas.dc(), 10, 10, RGB(1, 2, 3));
  EXPECT_EQ(canvas.At(10, 10) & kRgb, 0x010203u);
}

TEST_F(PaintTest, DirtyRectangleMissingTheControlOrInvisibleControlPaintsNothing) {
  c_.ApplyAttribute(L"normalbkcolor", L"#FF0000FF");
  Canvas canvas(60, 50, kBlank);
  c_.Paint(canvas.dc(), RECT{0, 0, 20, 50});
  EXPECT_EQ(canvas.At(15, 20) & kRgb, 0x0000FFu);
  Canvas other(60, 50, kBlank);
  c_.Paint(other.dc(), RECT{52, 0, 60, 50});  // misses the control
  EXPECT_EQ(other.CountNot(other.Bounds(), kBlank), 0);
  c_.SetVisible(false);
  c_.Paint(other.dc(), other.Bounds());
  EXPECT_EQ(other.CountNot(other.Bounds(), kBlank), 0);
}

int CountColour(const Canvas& canvas, uint32_t rgb) {
  int n = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) n += (canvas.At(x, y) & kRgb) == rgb;
  }
  return n;
}

TEST_F(PaintTest, TextColourByStateWithFallbackToNormal) {
  c_.SetPosition({0, 0, 120, 30});
  c_.ApplyAttribute(L"text", L"WWWW");
  c_.ApplyAttribute(L"normaltextcolor", L"#FFFF0000");
  Canvas canvas(120, 30, 0xFFFFFFFFu);
  c_.Paint(canvas.dc(), canvas.Bounds());
  EXPECT_GT(CountColour(canvas, 0xFF0000u), 5);
  Enter();  // hot, but no hot colour: the normal one
  Canvas hot(120, 30, 0xFFFFFFFFu);
  c_.Paint(hot.dc(), hot.Bounds());
  EXPECT_GT(CountColour(hot, 0xFF0000u), 5);
  c_.ApplyAttribute(L"disabledtextcolor", L"#FF00FF00");
  c_.SetEnabled(false);
  Canvas off(120, 30, 0xFFFFFFFFu);
  c_.Paint(off.dc(), off.Bounds());
  EXPECT_EQ(CountColour(off, 0xFF0000u), 0);
  EXPECT_GT(CountColour(off, 0x00FF00u), 5);
}

TEST_F(PaintTest, TextPaddingMovesTheText) {
  c_.SetPosition({0, 0, 120, 30});
  c_.ApplyAttribute(L"text", L"WW");
  c_.ApplyAttribute(L"normaltextpadding", L"60,0,0,0");
  Canvas canvas(120, 30, 0xFFFFFFFFu);
  c_.Paint(canvas.dc(), canvas.Bounds());
  EXPECT_EQ(canvas.CountNot(RECT{0, 0, 60, 30}, 0xFFFFFFFFu), 0);
  EXPECT_GT(canvas.CountNot(RECT{60, 0, 120, 30}, 0xFFFFFFFFu), 0);
}

TEST_F(PaintTest, AutoTipFollowsWhetherTheTextFits) {
  c_.ApplyAttribute(L"autotip", L"true");
  c_.ApplyAttribute(L"text", L"a rather long text that cannot fit");
  c_.SetPosition({0, 0, 30, 20});
  Paint(5, 5);
  EXPECT_FALSE(c_.TextFits());
  EXPECT_EQ(c_.GetToolTip(), L"a rather long text that cannot fit");
  c_.SetPosition({0, 0, 59, 20});
  c_.ApplyAttribute(L"text", L"ok");
  Paint(5, 5);
  EXPECT_TRUE(c_.TextFits());
  EXPECT_EQ(c_.GetToolTip(), L"");
}

TEST_F(PaintTest, SpecialStyleDrawsTheComplementCopyFirst) {
  c_.SetPosition({0, 0, 120, 30});
  c_.ApplyAttribute(L"text", L"WWWW");
  c_.ApplyAttribute(L"normaltextcolor", L"#FFFF0000");
  c_.ApplyAttribute(L"normaltextspecialstyle", L"2,2");
  Canvas canvas(120, 30, 0xFF000000u);
  c_.Paint(canvas.dc(), canvas.Bounds());
  // The copy's colour is the RGB complement (0x00FFFF) at alpha 0x7F over black.
  int cyanish = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 120; ++x) {
      const uint32_t p = canvas.At(x, y) & kRgb;
      cyanish += (p >> 16) == 0 && ((p >> 8) & 0xFF) > 0x60 && ((p >> 8) & 0xFF) < 0xA0;
    }
  }
  EXPECT_GT(cyanish, 3);
  EXPECT_GT(CountColour(canvas, 0xFF0000u), 5);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
