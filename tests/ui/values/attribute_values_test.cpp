// Attribute value syntaxes: colours with and without trimming, numbers with
// sign and garbage, the one-separator rule of rectangles, exact booleans and
// attribute-list strings.
#include <gtest/gtest.h>

#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(AttributeColour, HashOptionalAndTrimming) {
  EXPECT_EQ(ParseColour(u"#FFFFFFFF", false), 0xFFFFFFFFu);
  EXPECT_EQ(ParseColour(u"#FF168DDE", true), 0xFF168DDEu);
  EXPECT_EQ(ParseColour(u"FF168DDE", false), 0xFF168DDEu);
  EXPECT_EQ(ParseColour(u"ff168dde", false), 0xFF168DDEu);
  EXPECT_EQ(ParseColour(u" #FF168DDE", true), 0xFF168DDEu);
  EXPECT_EQ(ParseColour(u"\t\n #FF168DDE", true), 0xFF168DDEu);
  EXPECT_EQ(ParseColour(u" #FF168DDE", false), 0u);  // "#" only as the first character
  EXPECT_EQ(ParseColour(u"##FF", false), 0u);
  EXPECT_EQ(ParseColour(u"#00FFFFFF", false), 0x00FFFFFFu);  // alpha 0 stays 0
  EXPECT_EQ(ParseColour(u"#FF0000zz", false), 0xFF0000u);     // stops at the first non-digit
  EXPECT_EQ(ParseColour(u"#1FFFFFFFF", false), 0xFFFFFFFFu);  // overflow saturates
  EXPECT_EQ(ParseColour(u"#0x80FF0000", false), 0x80FF0000u);
  EXPECT_EQ(ParseColour(u"", true), 0u);
  EXPECT_EQ(ParseColour(u"#", false), 0u);
}

TEST(AttributeNumbers, SignBlanksAndGarbage) {
  EXPECT_EQ(ParseInt(u"42"), 42);
  EXPECT_EQ(ParseInt(u"  -17px"), -17);
  EXPECT_EQ(ParseInt(u"+8"), 8);
  EXPECT_EQ(ParseInt(u"px"), 0);
  EXPECT_EQ(ParseInt(u"99999999999"), 2147483647);
  EXPECT_EQ(ParseInt(u"-99999999999"), -2147483647 - 1);
  size_t used = 5;
  EXPECT_EQ(ParseInt(u" 12,3", &used), 12);
  EXPECT_EQ(used, 3u);
  EXPECT_EQ(ParseInt(u",3", &used), 0);
  EXPECT_EQ(used, 0u);
  EXPECT_EQ(ParseUnsigned32(u"-1", 10), 0xFFFFFFFFu);
}

TEST(AttributeRect, OneSeparatorAfterEachNumber) {
  EXPECT_EQ(ParseRect(u"480,260,13,13"), (YdRect{480, 260, 13, 13}));
  EXPECT_EQ(ParseRect(u"1;2x3 4"), (YdRect{1, 2, 3, 4}));
  EXPECT_EQ(ParseRect(u"-5,-6,7,8"), (YdRect{-5, -6, 7, 8}));
  // Two separators: the second is read where a number should be (0), and
  // the numbers shift.
  EXPECT_EQ(ParseRect(u"1,,2,3"), (YdRect{1, 0, 2, 3}));
  EXPECT_EQ(ParseRect(u"1, 2, 3, 4"), (YdRect{1, 2, 3, 4}));  // blanks are skipped as leading
  // Short values leave the rest at 0 and never read past the end.
  EXPECT_EQ(ParseRect(u"7,8"), (YdRect{7, 8, 0, 0}));
  EXPECT_EQ(ParseRect(u""), (YdRect{}));
  EXPECT_EQ(ParsePair(u"6,0"), (YdPoint{6, 0}));
  EXPECT_EQ(ParsePair(u"6"), (YdPoint{6, 0}));
  int box[5] = {9, 9, 9, 9, 9};
  ParseNumbers(u"4,4,4,4", box, 5);
  EXPECT_EQ(box[3], 4);
  EXPECT_EQ(box[4], 0);  // a four-number sizebox has corner extent 0
}

TEST(AttributeBool, OnlyExactTrue) {
  EXPECT_TRUE(ParseBool(u"true"));
  EXPECT_FALSE(ParseBool(u"TRUE"));
  EXPECT_FALSE(ParseBool(u"True"));
  EXPECT_FALSE(ParseBool(u"1"));
  EXPECT_FALSE(ParseBool(u" true"));
  EXPECT_FALSE(ParseBool(u"truex"));
  EXPECT_FALSE(ParseBool(u""));
}

TEST(AttributeList, PairsNeedExactlyOneBlank) {
  auto pairs = ParseAttributeList(u"name=\"a b\" text=\"x=y\"");
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].first, u"name");
  EXPECT_EQ(pairs[0].second, u"a b");
  EXPECT_EQ(pairs[1].first, u"text");
  EXPECT_EQ(pairs[1].second, u"x=y");

  // Two blanks: the second pair's key carries a blank and matches nothing.
  pairs = ParseAttributeList(u"name=\"a\"  text=\"b\"");
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].first, u" text");

  // No blank after a pair: reading stops.
  pairs = ParseAttributeList(u"name=\"a\"text=\"b\"");
  ASSERT_EQ(pairs.size(), 1u);

  // Malformed pairs stop silently; earlier pairs stay.
  EXPECT_EQ(ParseAttributeList(u"name=\"a\" text").size(), 1u);
  EXPECT_EQ(ParseAttributeList(u"name=\"a\" text=b").size(), 1u);
  EXPECT_EQ(ParseAttributeList(u"name=\"a\" text=\"b").size(), 1u);
  EXPECT_EQ(ParseAttributeList(u"name=").size(), 0u);
  EXPECT_TRUE(ParseAttributeList(u"").empty());
  pairs = ParseAttributeList(u"a=\"\" ");
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].second, u"");
}

#ifdef _WIN32
TEST(AttributeList, WideStringsOfTheWin32Side) {
  const std::wstring list = L"normaltextcolor=\"#FF00FF00\" text=\"\x5B89\x88C5\"";
  const auto pairs = ParseAttributeList(AsUtf16(list));
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(ParseColour(pairs[0].second, false), 0xFF00FF00u);
  EXPECT_EQ(std::wstring(AsWide(pairs[1].second)), L"\x5B89\x88C5");
}
#endif

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
