// The wide / UTF-16 bridge: text beyond the ASCII range and beyond U+FFFF
// survives the trip both ways, where wchar_t is UTF-16 (Windows) and where
// it is UTF-32 (the host builds).
#include <gtest/gtest.h>

#include <string>

#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(WideBridgeTest, TextBeyondTheBasicPlaneCrossesBothWays) {
  const std::wstring wide = L"A\u00E9\u5B89\U0001F600z";
  const std::u16string utf16 = u"A\u00E9\u5B89\U0001F600z";
  EXPECT_EQ(ToUtf16(wide), utf16);
  EXPECT_EQ(ToWide(utf16), wide);
  EXPECT_EQ(ToWide(ToUtf16(wide)), wide);
  EXPECT_EQ(Utf16ToUtf8(ToUtf16(wide)), "A\xC3\xA9\xE5\xAE\x89\xF0\x9F\x98\x80z");
  EXPECT_TRUE(ToUtf16(L"").empty());
  EXPECT_TRUE(ToWide(u"").empty());
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
