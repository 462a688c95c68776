// mode_argument.cpp -- deciphering and enciphering of the mode argument.
#include "app/startup/mode_argument.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "app/startup/des_cipher.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

const DesCipher& ArgumentCipher() {
  static const DesCipher cipher(reinterpret_cast<const uint8_t*>(kModeArgumentKey));
  return cipher;
}

// A hex digit as the decoder reads it: characters up to '@' (compared as
// signed bytes) count from '0', the others from '7' ('A' - 10), so lower-case
// letters give the same digits as upper-case ones.
uint8_t DigitValue(char raw) {
  const int c = static_cast<signed char>(raw);
  return static_cast<uint8_t>((c <= 64 ? c - 48 : c - 55) & 0x0F);
}

}  // namespace

std::string DecodeModeArgument(const std::string& text) {
  if (text.size() > kMaxModeArgumentLength) return std::string();
  // n digits, rounded up to a multiple of 4 with zero digits, packed two per byte.
  const size_t digits = (text.size() + 3) / 4 * 4;
  std::vector<uint8_t> bytes(digits / 2, 0);
  for (size_t i = 0; i < text.size(); ++i) {
    bytes[i / 2] |= static_cast<uint8_t>(DigitValue(text[i]) << (i % 2 == 0 ? 4 : 0));
  }
  std::string plain;
  plain.reserve(bytes.size());
  for (size_t start = 0; start < bytes.size(); start += 8) {
    uint8_t block[8] = {0};
    const size_t count = bytes.size() - start < 8 ? bytes.size() - start : 8;
    for (size_t i = 0; i < count; ++i) block[i] = bytes[start + i];
    uint8_t out[8];
    ArgumentCipher().DecryptBlock(block, out);
    plain.append(reinterpret_cast<const char*>(out), count);
  }
  const size_t zero = plain.find('\0');
  if (zero != std::string::npos) plain.resize(zero);
  return plain;
}

ModeFlags ParseModeValue(const std::string& text) {
  if (text.empty()) return 0;
  const std::string plain = DecodeModeArgument(text);
  size_t i = 0;
  while (i < plain.size() && (plain[i] == ' ' || (plain[i] >= '\t' && plain[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < plain.size() && (plain[i] == '+' || plain[i] == '-')) negative = plain[i++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < plain.size() && plain[i] >= '0' && plain[i] <= '9'; ++i) {
    value = value * 10 + (plain[i] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<ModeFlags>(-value);
  return static_cast<ModeFlags>(value > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max() : value);
}

std::string EncodeModeArgument(const std::string& plaintext) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string hex;
  for (size_t start = 0; start < plaintext.size(); start += 8) {
    uint8_t block[8] = {0};
    for (size_t i = 0; i < 8 && start + i < plaintext.size(); ++i) block[i] = static_cast<uint8_t>(plaintext[start + i]);
    uint8_t out[8];
    ArgumentCipher().EncryptBlock(block, out);
    for (uint8_t b : out) {
      hex.push_back(kHex[b >> 4]);
      hex.push_back(kHex[b & 0x0F]);
    }
  }
  return hex;
}

std::string DescribeModeFlags(ModeFlags value) {
  if (value == 0) return "Interactive";
  static const std::pair<ModeFlags, const char*> kNames[] = {
      {kUnattended, "Unattended"},   {kSkipRegistration, "SkipRegistration"}, {kSkipUnpack, "SkipUnpack"},
      {kSkipDriver, "SkipDriver"},   {kSkipShortcuts, "SkipShortcuts"}};
  std::string names;
  for (const auto& [bit, name] : kNames) {
    if ((value & bit) == 0) continue;
    if (!names.empty()) names += '|';
    names += name;
  }
  return names.empty() ? "none" : names;
}

}  // namespace ZEPHYRA_NAMESPACE
