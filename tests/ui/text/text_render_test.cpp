// Plain text: the line breaker on a device with fixed metrics (each
// character 10 x 16 pixels), then real GDI text with and without the alpha
// surface, measuring, and the shadow's blur.
#include <gtest/gtest.h>

#include "tests/ui/text/text_fixture.h"
#include "ui/text/text_render.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

struct DrawnLine {
  std::wstring text;
  RECT rect;
  UINT format;
};

class FixedDevice : public LineTextDevice {
 public:
  SIZE Measure(const wchar_t*, int length) override {
    ++measures;
    return SIZE{10 * length, 16};
  }
  void Draw(const wchar_t* text, int length, RECT* rect, UINT format) override {
    lines.push_back({std::wstring(text, length), *rect, format});
  }
  std::vector<std::wstring> Texts() const {
    std::vector<std::wstring> out;
    for (const DrawnLine& l : lines) out.push_back(l.text);
    return out;
  }
  std::vector<DrawnLine> lines;
  int measures = 0;
};

using Lines = std::vector<std::wstring>;

TEST(LineBreakerTest, BreaksBetweenCharacters) {
  FixedDevice device;
  RECT r{0, 0, 35, 200};
  BreakAndDrawLinesOn(device, L"abcdefghij", &r, 0, 0);
  EXPECT_EQ(device.Texts(), (Lines{L"abc", L"def", L"ghi", L"j"}));
  ASSERT_EQ(device.lines.size(), 4u);
  EXPECT_EQ(device.lines[1].rect.top, 16);
  EXPECT_EQ(device.lines[3].rect.top, 48);
  EXPECT_TRUE(device.lines[0].format & DT_SINGLELINE);
  EXPECT_FALSE(device.lines[0].format & DT_END_ELLIPSIS);
}

TEST(LineBreakerTest, OneCharacterWiderThanTheRectangleIsStillALine) {
  FixedDevice device;
  RECT r{0, 0, 5, 200};
  BreakAndDrawLinesOn(device, L"xyz", &r, 0, 0);
  EXPECT_EQ(device.Texts(), (Lines{L"x", L"y", L"z"}));
}

TEST(LineBreakerTest, LastLineTakesTheRestWithAnEllipsisAndStops) {
  FixedDevice device;
  RECT r{0, 0, 35, 40};  // room for two lines of 16
  BreakAndDrawLinesOn(device, L"abcdefghij\r\nnext paragraph", &r, 0, 0);
  ASSERT_EQ(device.Texts(), (Lines{L"abc", L"defghij"}));
  EXPECT_TRUE(device.lines[1].format & DT_END_ELLIPSIS);
  EXPECT_TRUE(device.lines[1].format & DT_SINGLELINE);
}

TEST(LineBreakerTest, RowSpacingAndEmptyParagraphs) {
  FixedDevice device;
  RECT r{0, 0, 100, 200};
  BreakAndDrawLinesOn(device, L"ab\r\n\r\ncd\r\n", &r, 0, 4);
  ASSERT_EQ(device.Texts(), (Lines{L"ab", L"cd"}));
  EXPECT_EQ(device.lines[1].rect.top, 20);  // consecutive lines: 16 + 4
  // Spacing counts in the two-line test: 16 + 4 twice from top 0 is 40.
  FixedDevice tight;
  RECT t{0, 0, 20, 39};
  BreakAndDrawLinesOn(tight, L"aabbcc", &t, 0, 4);
  EXPECT_EQ(tight.Texts(), (Lines{L"aabbcc"}));
}

TEST(LineBreakerTest, CalcRectWithZeroWidthFitsTo9999) {
  FixedDevice device;
  RECT r{0, 0, 0, 0};
  BreakAndDrawLinesOn(device, L"abcdef\r\nxy", &r, DT_CALCRECT, 2);
  EXPECT_EQ(r.right, 60);
  EXPECT_EQ(r.bottom, 36);
  EXPECT_TRUE(device.lines.empty());
  RECT narrow{0, 0, 25, 0};
  BreakAndDrawLinesOn(device, L"abcdef", &narrow, DT_CALCRECT, 0);
  EXPECT_EQ(narrow.right, 20);
  EXPECT_EQ(narrow.bottom, 48);
}

TEST(LineBreakerTest, CentringMovesTheBlockAndKeepsLinesLeftAligned) {
  FixedDevice device;
  RECT r{0, 0, 100, 100};
  BreakAndDrawLinesOn(device, L"abcdefghijklmn", &r, DT_CENTER | DT_VCENTER, 0);
  // Lines of 10 and 4 characters: block 100 wide, 32 high.
  ASSERT_EQ(device.Texts(), (Lines{L"abcdefghij", L"klmn"}));
  EXPECT_EQ(device.lines[0].rect.left, 0);
  EXPECT_EQ(device.lines[0].rect.top, 34);
  EXPECT_EQ(device.lines[1].rect.left, 0);
  EXPECT_FALSE(device.lines[0].format & (DT_CENTER | DT_VCENTER));
  FixedDevice narrow;
  RECT n{0, 0, 100, 100};
  BreakAndDrawLinesOn(narrow, L"abcd", &n, DT_CENTER, 0);
  EXPECT_EQ(narrow.lines[0].rect.left, 30);
}

TEST(LineBreakerTest, FitMeasuresLogarithmicallyOften) {
  FixedDevice device;
  std::wstring text(2000, L'x');
  int height = 0;
  EXPECT_EQ(FitLinePrefix(device, text.c_str(), 2000, 95, &height), 9);
  EXPECT_EQ(height, 16);
  EXPECT_LT(device.measures, 20);
}

TEST(BlurTest, MeanOfTheNeighbourhoodReadInPlace) {
  std::vector<uint32_t> p(25, 0x00102030u);
  p[2 * 5 + 2] |= 0xFF000000u;
  BlurAlphaInPlace(p.data(), 5, 5);
  auto a = [&](int x, int y) { return p[y * 5 + x] >> 24; };
  EXPECT_EQ(a(1, 1), 28u);   // 255 / 9
  EXPECT_EQ(a(2, 1), 31u);   // (28 + 255) / 9: reads the updated left pixel
  EXPECT_EQ(a(3, 1), 31u);
  EXPECT_EQ(a(1, 2), 34u);   // (28 + 31 + 255) / 9
  EXPECT_EQ(a(2, 2), 42u);   // (28 + 31 + 31 + 34 + 255) / 9
  EXPECT_EQ(a(0, 0), 0u);    // the border is left alone
  EXPECT_EQ(p[1 * 5 + 1] & 0xFFFFFF, 0x102030u);
}

using PlainTextTest = test::TextTest;

TEST_F(PlainTextTest, OpaqueColourDrawsStraightForceAlphaKeepsAlphaOnGlyphs) {
  test::Canvas direct(80, 30, 0x00000000u);
  const RECT r{0, 0, 80, 30};
  DrawPlainText(L"Hello", L"big", direct.dc(), &manager_, r, 0xFFFFFFFFu, DT_SINGLELINE, 0, false);
  int first = 0, last = 0;
  ASSERT_GT(test::InkColumns(direct, 0u, &first, &last), 0);
  // GDI wrote the glyphs and left their alpha byte at 0.
  int opaque = 0;
  for (int i = 0; i < 80 * 30; ++i) opaque += (direct.bits()[i] >> 24) != 0;
  EXPECT_EQ(opaque, 0);

  test::Canvas layered(80, 30, 0x00000000u);
  DrawPlainText(L"Hello", L"big", layered.dc(), &manager_, r, 0xFFFFFFFFu, DT_SINGLELINE, 0, true);
  int glyphs = 0, wrong = 0;
  for (int i = 0; i < 80 * 30; ++i) {
    const uint32_t p = layered.bits()[i];
    if (p != 0) {
      ++glyphs;
      wrong += (p >> 24) != 0xFF;
    }
  }
  EXPECT_GT(glyphs, 20);
  EXPECT_EQ(wrong, 0);
}

TEST_F(PlainTextTest, HalfAlphaColourBlendsHalf) {
  test::Canvas canvas(80, 30, 0xFF000000u);
  DrawPlainText(L"Hello", L"big", canvas.dc(), &manager_, RECT{0, 0, 80, 30}, 0x80FFFFFFu, DT_SINGLELINE, 0, false);
  int brightest = 0;
  for (int i = 0; i < 80 * 30; ++i) brightest = std::max<int>(brightest, canvas.bits()[i] & 0xFF);
  EXPECT_EQ(brightest, 0x80);
}

TEST_F(PlainTextTest, WordBreakCutsCjkTextIntoLines) {
  const std::wstring text = L"\x4E2D\x6587\x5B57\x7B26\x6D4B\x8BD5";  // six CJK characters
  const int one = TextWidth(text.substr(0, 1), L"cjk");
  ASSERT_GT(one, 4);
  const int width = one * 2 + one / 2;  // two characters per line
  test::Canvas canvas(width, 200, 0xFFFFFFFFu);
  DrawPlainText(text, L"cjk", canvas.dc(), &manager_, RECT{0, 0, width, 200}, 0xFF000000u, DT_WORDBREAK, 6, false);
  // Three lines separated by the row spacing: count bands of inked rows.
  int bands = 0;
  bool in_band = false;
  for (int y = 0; y < 200; ++y) {
    const bool ink = canvas.CountNot(RECT{0, y, width, y + 1}, 0xFFFFFFFFu) > 0;
    if (ink && !in_band) ++bands;
    in_band = ink;
  }
  EXPECT_EQ(bands, 3);
}

TEST_F(PlainTextTest, MeasuringUsesTheFont) {
  test::Canvas canvas(1, 1);
  RECT out{};
  const RECT small = MeasurePlainText(&manager_, &out, canvas.dc(), L"Hello", L"bold", DT_SINGLELINE);
  const RECT big = MeasurePlainText(&manager_, nullptr, canvas.dc(), L"Hello", L"big", DT_SINGLELINE);
  EXPECT_EQ(out.right, small.right);
  EXPECT_EQ(small.right, TextWidth(L"Hello", L"bold"));
  EXPECT_GT(big.right, small.right);
  EXPECT_GT(big.bottom, small.bottom);
}

TEST_F(PlainTextTest, ShadowIsSoftAndOffset) {
  test::Canvas canvas(100, 50, 0x00000000u);
  DrawTextShadow(L"Hello", L"big", canvas.dc(), &manager_, RECT{20, 10, 90, 45}, DT_LEFT);
  int inked = 0, partial = 0, first_row = 0, last_row = 0;
  ASSERT_GT(test::InkRows(canvas, 0u, &first_row, &last_row), 0);
  for (int i = 0; i < 100 * 50; ++i) {
    const uint32_t a = canvas.bits()[i] >> 24;
    inked += a != 0;
    partial += a != 0 && a != 0xFF;
  }
  EXPECT_GT(inked, 0);
  EXPECT_GT(partial, 0);  // blurred edges
  int first_col = 0, last_col = 0;
  test::InkColumns(canvas, 0u, &first_col, &last_col);
  EXPECT_GE(first_col, 19);  // blended at r.left - 1
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
