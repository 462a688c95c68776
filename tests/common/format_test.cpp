// format_test.cpp -- FormatText over the C runtime's formatter and
// WideDecimal, on every platform.
#include "common/format.h"

#include <gtest/gtest.h>

#include <climits>

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(FormatText, NumbersAsTheCallersWriteThem) {
  EXPECT_EQ(FormatText("%04d-%02d-%02d %02d:%02d:%02d.%03d", 2026, 12, 9, 7, 5, 3, 42), "2026-12-09 07:05:03.042");
  EXPECT_EQ(FormatText("0x%08X", 0xC0000005u), "0xC0000005");
  EXPECT_EQ(FormatText(L"dest='%d,%d,%d,%d'", -3, 0, 140, 38), L"dest='-3,0,140,38'");
  EXPECT_EQ(FormatText(L"%g", 0.5), L"0.5");
}

TEST(FormatText, ALongerTextIsCutAndStillEnds) {
  const std::string cut = FormatText("%0400d", 7);
  EXPECT_EQ(cut.size(), 254u);
  EXPECT_EQ(cut.find_first_not_of('0'), std::string::npos);
  const std::wstring wide = FormatText(L"%0400d", 7);
  EXPECT_EQ(wide.size(), 254u);
}

TEST(WideDecimal, EveryMagnitude) {
  EXPECT_EQ(WideDecimal(0), L"0");
  EXPECT_EQ(WideDecimal(-7), L"-7");
  EXPECT_EQ(WideDecimal(4294967295LL), L"4294967295");
  EXPECT_EQ(WideDecimal(LLONG_MIN), L"-9223372036854775808");
  EXPECT_EQ(WideDecimal(LLONG_MAX), L"9223372036854775807");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
