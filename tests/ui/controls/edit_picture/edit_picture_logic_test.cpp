// edit_picture_logic_test.cpp -- the portable decisions: spin stepping within
// limits, hot-key text, ranges, spin arrow parts and password masking.
#include <gtest/gtest.h>

#include <climits>

#include "ui/controls/edit_picture/edit_picture_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(SpinNumber, StepsByTheIncrementAndStopsAtTheLimits) {
  EXPECT_EQ(StepSpinNumber(5, 3, -2, 7, true), 7);    // 8 clamped
  EXPECT_EQ(StepSpinNumber(5, 3, -2, 7, false), 2);
  EXPECT_EQ(StepSpinNumber(0, 3, -2, 7, false), -2);  // -3 clamped
  EXPECT_EQ(StepSpinNumber(4, -2, 0, 10, true), 6);   // a negative increment counts by its size
  EXPECT_EQ(StepSpinNumber(4, 1, 10, 0, true), 5);    // limits the wrong way round
  EXPECT_EQ(StepSpinNumber(INT_MAX - 1, 10, INT_MIN, INT_MAX, true), INT_MAX);  // no overflow
  EXPECT_EQ(StepSpinNumber(INT_MIN + 1, 10, INT_MIN, INT_MAX, false), INT_MIN);
  EXPECT_EQ(ClampSpinNumber(50, 0, 10), 10);
  EXPECT_EQ(ClampSpinNumber(-50, 0, 10), 0);
  EXPECT_EQ(ClampSpinNumber(3, 0, 10), 3);
}

TEST(HotKeyText, ModifiersInOrderThenTheKey) {
  EXPECT_EQ(FormatHotKey('A', kHotKeyCtrl | kHotKeyShift), L"Ctrl+Shift+A");
  EXPECT_EQ(FormatHotKey('7', kHotKeyAlt | kHotKeyCtrl), L"Ctrl+Alt+7");
  EXPECT_EQ(FormatHotKey(0x74, 0), L"F5");        // VK_F5
  EXPECT_EQ(FormatHotKey(0x87, 0), L"F24");
  EXPECT_EQ(FormatHotKey(0x2E, kHotKeyShift), L"Shift+Del");
  EXPECT_EQ(FormatHotKey(0x61, 0), L"Num 1");
  EXPECT_EQ(FormatHotKey(0xBA, 0), L"0xBA");      // a key without a name
  EXPECT_EQ(FormatHotKey(0x11, kHotKeyCtrl), L"Ctrl+");  // only a modifier so far
  EXPECT_TRUE(IsModifierKey(0x10));
  EXPECT_TRUE(IsModifierKey(0xA5));
  EXPECT_TRUE(IsModifierKey(0x5B));
  EXPECT_FALSE(IsModifierKey('A'));
}

TEST(Range, PairsSingleNumbersAndJunk) {
  int lo = 99, hi = 99;
  ASSERT_TRUE(ParseRange(L"-5,20", &lo, &hi));
  EXPECT_EQ(lo, -5);
  EXPECT_EQ(hi, 20);
  ASSERT_TRUE(ParseRange(L"10", &lo, &hi));
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 10);
  ASSERT_TRUE(ParseRange(L"30,3", &lo, &hi));  // swapped
  EXPECT_EQ(lo, 3);
  EXPECT_EQ(hi, 30);
  EXPECT_FALSE(ParseRange(L"", &lo, &hi));
  EXPECT_FALSE(ParseRange(L"a,b", &lo, &hi));
  EXPECT_FALSE(ParseRange(L"1;2", &lo, &hi));
  EXPECT_FALSE(ParseRange(L"1,", &lo, &hi));
}

TEST(SpinParts, RightStripSplitInHalves) {
  const YdSpinParts p = SpinArrowParts(10, 20, 130, 50, 16);
  EXPECT_EQ(p.left, 114);
  EXPECT_EQ(p.right, 130);
  EXPECT_EQ(p.top, 20);
  EXPECT_EQ(p.middle, 35);
  EXPECT_EQ(p.bottom, 50);
  const YdSpinParts narrow = SpinArrowParts(0, 0, 10, 10, 16);  // narrower than the strip
  EXPECT_EQ(narrow.left, 0);
}

TEST(Password, OneMaskCharacterPerCharacter) {
  EXPECT_EQ(MaskedText(L"abc", 0x25CF), std::wstring(3, wchar_t{0x25CF}));
  EXPECT_EQ(MaskedText(L"", L'*'), L"");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
