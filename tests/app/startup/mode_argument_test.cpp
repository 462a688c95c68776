// The mode argument: hex digit reading, block handling, decimal parsing.
#include <gtest/gtest.h>

#include "app/startup/des_cipher.h"
#include "app/startup/mode_argument.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Deciphers one 8-byte block with the argument key, independently of the
// decoder's digit handling.
std::string DecipherBlock(const uint8_t block[8]) {
  DesCipher des(reinterpret_cast<const uint8_t*>("KESTRELW"));
  uint8_t out[8];
  des.DecryptBlock(block, out);
  return std::string(reinterpret_cast<const char*>(out), 8);
}

TEST(ModeArgument, EmptyTextIsInteractive) {
  EXPECT_EQ(ParseModeValue(""), 0);
  EXPECT_EQ(DecodeModeArgument(""), "");
}

TEST(ModeArgument, EncipheredDecimalGivesItsValue) {
  const std::string sixteen = EncodeModeArgument("16");
  EXPECT_EQ(sixteen.size(), 16u);
  EXPECT_EQ(ParseModeValue(sixteen), kUnattended);
  EXPECT_EQ(DecodeModeArgument(sixteen), "16");
  for (int value : {1, 2, 4, 8, 31, 0x1F | 0x100, -3, 2147483647}) {
    EXPECT_EQ(ParseModeValue(EncodeModeArgument(std::to_string(value))), value) << value;
  }
  // A plaintext of more than one block.
  EXPECT_EQ(ParseModeValue(EncodeModeArgument("000000000000000000017")), 17);
}

TEST(ModeArgument, ArgumentIsDesOfTheZeroFilledPlaintext) {
  const uint8_t block[8] = {'1', '6', 0, 0, 0, 0, 0, 0};
  DesCipher des(reinterpret_cast<const uint8_t*>(kModeArgumentKey));
  uint8_t out[8];
  des.EncryptBlock(block, out);
  char hex[17];
  for (int i = 0; i < 8; ++i) std::snprintf(hex + 2 * i, 3, "%02X", out[i]);
  EXPECT_EQ(EncodeModeArgument("16"), hex);
}

TEST(ModeArgument, LowerCaseDigitsMatchUpperCase) {
  const std::string upper = EncodeModeArgument("24");
  std::string lower = upper;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(DecodeModeArgument(lower), DecodeModeArgument(upper));
  EXPECT_EQ(ParseModeValue(lower), 24);
}

TEST(ModeArgument, ShortArgumentIsOneZeroFilledBlockCutToItsLength) {
  // Six digits are read as eight (two zero digits): four bytes, deciphered as
  // a zero-filled block of which the first four bytes are used.
  const uint8_t block[8] = {0xAB, 0xCD, 0xEF, 0x00, 0, 0, 0, 0};
  std::string expected = DecipherBlock(block).substr(0, 4);
  expected = expected.substr(0, expected.find('\0'));
  EXPECT_EQ(DecodeModeArgument("ABCDEF"), expected);
  EXPECT_EQ(DecodeModeArgument("ABCDEF"), DecodeModeArgument("ABCDEF00"));
  // Twelve digits: six bytes, still one block.
  const uint8_t block6[8] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0, 0};
  std::string six = DecipherBlock(block6).substr(0, 6);
  EXPECT_EQ(DecodeModeArgument("123456789ABC"), six.substr(0, six.find('\0')));
}

TEST(ModeArgument, NonHexCharactersUseTheLowNibbleRule) {
  // 'G'..'J' count from '7': 16..19, low nibble 0..3.
  EXPECT_EQ(DecodeModeArgument("GHIJGHIJGHIJGHIJ"), DecodeModeArgument("0123012301230123"));
  // Bytes above 0x7F are negative as signed characters: 0xB1 - 48 = -127 -> 1.
  EXPECT_EQ(DecodeModeArgument(std::string(16, '\xB1')), DecodeModeArgument("1111111111111111"));
  // ':' (58) - 48 = 10, like 'A'.
  EXPECT_EQ(DecodeModeArgument("::::::::::::::::"), DecodeModeArgument("AAAAAAAAAAAAAAAA"));
}

TEST(ModeArgument, DecimalParsingOfThePlaintext) {
  EXPECT_EQ(ParseModeValue(EncodeModeArgument("  -5xyz")), -5);
  EXPECT_EQ(ParseModeValue(EncodeModeArgument("\t+12")), 12);
  EXPECT_EQ(ParseModeValue(EncodeModeArgument("abc")), 0);
  EXPECT_EQ(ParseModeValue(EncodeModeArgument("99999999999")), 2147483647);
  EXPECT_EQ(ParseModeValue(EncodeModeArgument("-99999999999")), -2147483647 - 1);
}

TEST(ModeArgument, LengthLimit) {
  const std::string unit = EncodeModeArgument("16");
  std::string longest;
  while (longest.size() + unit.size() <= kMaxModeArgumentLength) longest += unit;
  ASSERT_EQ(longest.size(), kMaxModeArgumentLength);
  EXPECT_EQ(ParseModeValue(longest), 16);  // the first block's plaintext ends at its zero
  EXPECT_EQ(ParseModeValue(longest + "0"), 0);
  EXPECT_EQ(DecodeModeArgument(longest + "0"), "");
}

TEST(ModeArgument, DescribesTheBits) {
  EXPECT_EQ(DescribeModeFlags(0), "Interactive");
  EXPECT_EQ(DescribeModeFlags(kUnattended | kSkipDriver), "Unattended|SkipDriver");
  EXPECT_EQ(DescribeModeFlags(0x100), "none");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
