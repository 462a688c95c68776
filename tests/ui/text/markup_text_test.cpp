// Markup text: the tag and escape reader, measured layouts for every tag,
// and drawn colours, alpha and alignment.
#include <gtest/gtest.h>

#include "tests/ui/text/text_fixture.h"
#include "ui/text/markup_text.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(MarkupTokenTest, TagsClosingTagsAndEscapes) {
  struct Case {
    const wchar_t* text;
    MarkupToken::Kind kind;
    wchar_t letter;
    const wchar_t* argument;
    wchar_t literal;
    size_t length;
  };
  const Case cases[] = {
      {L"<b bold>x", MarkupToken::kOpenTag, L'b', L"bold", 0, 8},
      {L"{c #FF0000}x", MarkupToken::kOpenTag, L'c', L"#FF0000", 0, 11},
      {L"<n>", MarkupToken::kOpenTag, L'n', L"", 0, 3},
      {L"<p  12 }", MarkupToken::kOpenTag, L'p', L"12", 0, 8},
      {L"</b>", MarkupToken::kCloseTag, L'b', L"", 0, 4},
      {L"{/c}", MarkupToken::kCloseTag, L'c', L"", 0, 4},
      {L"</r}", MarkupToken::kCloseTag, L'r', L"", 0, 4},
      {L"<{>", MarkupToken::kEscape, 0, L"", L'{', 3},
      {L"<}>", MarkupToken::kEscape, 0, L"", L'}', 3},
      {L"{<}", MarkupToken::kEscape, 0, L"", L'<', 3},
      {L"{>}", MarkupToken::kEscape, 0, L"", L'>', 3},
      {L"<B x>", MarkupToken::kText, 0, L"", 0, 0},     // upper-case letter
      {L"<bx>", MarkupToken::kText, 0, L"", 0, 0},      // letter not followed by space or end
      {L"<b never", MarkupToken::kText, 0, L"", 0, 0},  // never closed
      {L"a<b>", MarkupToken::kText, 0, L"", 0, 0},
      {L"</bb>", MarkupToken::kText, 0, L"", 0, 0},
  };
  for (const Case& c : cases) {
    const MarkupToken t = ReadMarkupToken(c.text, 0);
    EXPECT_EQ(t.kind, c.kind) << c.text;
    EXPECT_EQ(t.letter, c.letter) << c.text;
    EXPECT_EQ(t.argument, c.argument) << c.text;
    EXPECT_EQ(t.literal, c.literal) << c.text;
    EXPECT_EQ(t.length, c.length) << c.text;
  }
}

class MarkupTextTest : public test::TextTest {
 protected:
  RECT Measure(const std::wstring& text, UINT format = 0, RECT r = RECT{0, 0, 9999, 1000}) {
    test::Canvas canvas(1, 1);
    DrawMarkupText(canvas.dc(), &manager_, &r, text, 0xFF000000u, L"", format | DT_CALCRECT, false);
    return r;
  }
  int Base() { return LineHeight(L""); }
};

TEST_F(MarkupTextTest, PlainRunsAndSpaces) {
  const RECT r = Measure(L"Hello world");
  EXPECT_EQ(r.right, TextWidth(L"Hello world", L""));
  EXPECT_EQ(r.bottom, Base());
  EXPECT_EQ(Measure(L"").bottom, 0);
}

TEST_F(MarkupTextTest, PenMovesLineHeightsAndBreaks) {
  EXPECT_EQ(Measure(L"<x 10>abc").right, 10 + TextWidth(L"abc", L""));
  EXPECT_EQ(Measure(L"<y 40>abc").bottom, 40);
  EXPECT_EQ(Measure(L"ab<n>cd").bottom, 2 * Base());
  EXPECT_EQ(Measure(L"ab\ncd").bottom, 2 * Base());
  EXPECT_EQ(Measure(L"ab<n>cd", DT_SINGLELINE).bottom, Base());  // <n> ignored, one line
  EXPECT_EQ(Measure(L"ab<n>cd", DT_SINGLELINE).right, TextWidth(L"abcd", L""));
  // <p n>: a new line when the line is not empty, at least n + font height.
  EXPECT_EQ(Measure(L"ab<p 5>cd").bottom, Base() + 5 + Base());
  EXPECT_EQ(Measure(L"<p 5>cd").bottom, 5 + Base());
  EXPECT_EQ(Measure(L"ab</p>cd").bottom, 2 * Base());
}

TEST_F(MarkupTextTest, FontTagsRaiseTheLineAndReturnToTheBase) {
  const RECT big = Measure(L"a<f big>B</f>c");
  EXPECT_EQ(big.bottom, LineHeight(L"big"));
  EXPECT_EQ(big.right, TextWidth(L"a", L"") + TextWidth(L"B", L"big") + TextWidth(L"c", L""));
  // <b id> switches only when the base font is not bold.
  EXPECT_EQ(Measure(L"<b big>x</b>").bottom, LineHeight(L"big"));
  test::Canvas canvas(1, 1);
  RECT r{0, 0, 9999, 1000};
  DrawMarkupText(canvas.dc(), &manager_, &r, L"<b big>x</b>", 0xFF000000u, L"bold", DT_CALCRECT, false);
  EXPECT_EQ(r.bottom, LineHeight(L"bold"));
  EXPECT_EQ(Measure(L"<u big>x</u>").bottom, LineHeight(L"big"));
}

TEST_F(MarkupTextTest, RawTextAndEscapesAreLiteral) {
  EXPECT_EQ(Measure(L"<r><b big>x</r>").right, TextWidth(L"<b big>x", L""));
  EXPECT_EQ(Measure(L"<r><b big>x</r>").bottom, Base());
  EXPECT_EQ(Measure(L"a<{>b").right, TextWidth(L"a{b", L""));
  EXPECT_EQ(Measure(L"{<}x{>}").right, TextWidth(L"<x>", L""));
  // Colour and selection tags take no room.
  EXPECT_EQ(Measure(L"<c FF0000>ab</c><s>cd</s>").right, TextWidth(L"abcd", L""));
}

TEST_F(MarkupTextTest, WordBreakAndEllipsis) {
  const int word = TextWidth(L"aaaa ", L"");
  const RECT r = Measure(L"aaaa bbbb", DT_WORDBREAK, RECT{0, 0, word + TextWidth(L"bb", L""), 1000});
  EXPECT_EQ(r.bottom, 2 * Base());
  // Without word breaking the run is cut between characters and the line ends.
  const RECT cut = Measure(L"aaaa bbbb", 0, RECT{0, 0, word + TextWidth(L"bb", L""), 1000});
  EXPECT_LE(cut.right, word + TextWidth(L"bb", L""));
  const RECT ellipsis =
      Measure(L"abcdefghijklmnop", DT_END_ELLIPSIS | DT_SINGLELINE, RECT{0, 0, TextWidth(L"abcdefgh", L""), 1000});
  EXPECT_EQ(ellipsis.bottom, Base());
}

TEST_F(MarkupTextTest, ColourTagsDrawInTheirColour) {
  test::Canvas canvas(200, 30, 0xFFFFFFFFu);
  RECT r{0, 0, 200, 30};
  DrawMarkupText(canvas.dc(), &manager_, &r, L"<f big><c #FF0000>MM</c>MM</f>", 0xFF000000u, L"", 0, false);
  const int split = TextWidth(L"MM", L"big");
  int red = 0, black_in_red = 0, black = 0, red_in_black = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 200; ++x) {
      const uint32_t p = canvas.At(x, y) & 0xFFFFFF;
      const bool is_red = p == 0xFF0000u, is_black = p == 0;
      if (x < split) {
        red += is_red;
        black_in_red += is_black;
      } else {
        black += is_black;
        red_in_black += is_red;
      }
    }
  }
  EXPECT_GT(red, 10);
  EXPECT_EQ(black_in_red, 0);
  EXPECT_GT(black, 10);
  EXPECT_EQ(red_in_black, 0);
}

TEST_F(MarkupTextTest, AlphaSurfaceKeepsGlyphsOpaque) {
  test::Canvas canvas(120, 30, 0x00000000u);
  RECT r{0, 0, 120, 30};
  DrawMarkupText(canvas.dc(), &manager_, &r, L"<f big>Hi</f>", 0xFFFFFFFFu, L"", 0, true);
  int glyphs = 0, wrong = 0;
  for (int i = 0; i < 120 * 30; ++i) {
    const uint32_t p = canvas.bits()[i];
    if (p != 0) {
      ++glyphs;
      wrong += (p >> 24) != 0xFF;
    }
  }
  EXPECT_GT(glyphs, 10);
  EXPECT_EQ(wrong, 0);
}

TEST_F(MarkupTextTest, TextStaysInsideTheRectangle) {
  test::Canvas canvas(100, 40, 0xFFFFFFFFu);
  RECT r{10, 10, 40, 30};
  DrawMarkupText(canvas.dc(), &manager_, &r, L"<f big>WWWWWWWW</f>", 0xFF000000u, L"", 0, false);
  EXPECT_EQ(canvas.CountNot(RECT{40, 0, 100, 40}, 0xFFFFFFFFu), 0);
  EXPECT_EQ(canvas.CountNot(RECT{0, 30, 100, 40}, 0xFFFFFFFFu), 0);
  EXPECT_GT(canvas.CountNot(RECT{10, 10, 40, 30}, 0xFFFFFFFFu), 0);
  // The clip is restored afterwards.
  ::PatBlt(canvas.dc(), 90, 0, 10, 10, BLACKNESS);
  EXPECT_EQ(canvas.At(95, 5) & 0xFFFFFF, 0u);
}

TEST_F(MarkupTextTest, AlignmentOfOneLineAndOfWholeLines) {
  const int width = TextWidth(L"ab", L"big");
  test::Canvas centred(200, 100, 0xFFFFFFFFu);
  RECT r{0, 0, 200, 100};
  DrawMarkupText(centred.dc(), &manager_, &r, L"<f big>ab</f>", 0xFF000000u, L"",
                 DT_SINGLELINE | DT_CENTER | DT_VCENTER, false);
  int first = 0, last = 0, top = 0, bottom = 0;
  ASSERT_GT(test::InkColumns(centred, 0xFFFFFFFFu, &first, &last), 0);
  test::InkRows(centred, 0xFFFFFFFFu, &top, &bottom);
  EXPECT_NEAR(first, (200 - width) / 2, 4);
  EXPECT_GT(top, 20);

  test::Canvas right(200, 100, 0xFFFFFFFFu);
  r = RECT{0, 0, 200, 100};
  DrawMarkupText(right.dc(), &manager_, &r, L"<f big>ab</f>", 0xFF000000u, L"", DT_SINGLELINE | DT_RIGHT, false);
  test::InkColumns(right, 0xFFFFFFFFu, &first, &last);
  EXPECT_GE(last, 200 - 4);

  // Several lines with DT_CENTER: each line is centred on its own.
  test::Canvas lines(200, 100, 0xFFFFFFFFu);
  r = RECT{0, 0, 200, 100};
  DrawMarkupText(lines.dc(), &manager_, &r, L"<f big>a<n>aaaa</f>", 0xFF000000u, L"", DT_CENTER, false);
  const int h = LineHeight(L"big");
  int first_line = 0, second_line = 0;
  for (int x = 0; x < 200 && !first_line; ++x) {
    if (lines.CountNot(RECT{x, 0, x + 1, h}, 0xFFFFFFFFu) > 0) first_line = x;
  }
  for (int x = 0; x < 200 && !second_line; ++x) {
    if (lines.CountNot(RECT{x, h, x + 1, 2 * h}, 0xFFFFFFFFu) > 0) second_line = x;
  }
  EXPECT_NEAR(first_line, (200 - TextWidth(L"a", L"big")) / 2, 4);
  EXPECT_NEAR(second_line, (200 - TextWidth(L"aaaa", L"big")) / 2, 4);
}

TEST_F(MarkupTextTest, PenMovesAndLineHeightsSaturateInsteadOfWrapping) {
  EXPECT_EQ(AddMarkupExtent(5, 2147483647), kMarkupExtentLimit);
  EXPECT_EQ(AddMarkupExtent(-5, -2147483647 - 1), -kMarkupExtentLimit);
  EXPECT_EQ(AddMarkupExtent(100, -30), 70);
  // A pen moved past the box stays past it: what follows goes to the next
  // line instead of wrapping round into this one.
  EXPECT_EQ(Measure(L"<x 2147483647>ab", 0, RECT{0, 0, 200, 1000}).bottom, 2 * Base());
  // The largest paragraph spacing makes a line that tall, not a negative one.
  EXPECT_GE(Measure(L"<p 2147483647>ab").bottom, kMarkupExtentLimit);
  EXPECT_EQ(Measure(L"<y 2147483647>ab").bottom, kMarkupExtentLimit);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
