// DES against published known-answer vectors (FIPS 81 / SP 800-17 and the
// classic worked example), both directions.
#include <gtest/gtest.h>

#include <string>

#include "app/startup/des_cipher.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

void FromHex(const std::string& hex, uint8_t out[8]) {
  for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
}

std::string ToHex(const uint8_t in[8]) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (int i = 0; i < 8; ++i) {
    out.push_back(kHex[in[i] >> 4]);
    out.push_back(kHex[in[i] & 15]);
  }
  return out;
}

TEST(DesCipher, KnownAnswers) {
  struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
  };
  const Vector vectors[] = {
      {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
      {"0E329232EA6D0D73", "8787878787878787", "0000000000000000"},
      {"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},  // "Now is t"
      {"0101010101010101", "8000000000000000", "95F8A5E5DD31D900"},  // variable plaintext
      {"0101010101010101", "4000000000000000", "DD7F121CA5015619"},
      {"8001010101010101", "0000000000000000", "95A8D72813DAA94D"},  // variable key
  };
  for (const Vector& v : vectors) {
    SCOPED_TRACE(v.key);
    uint8_t key[8], plain[8], out[8], back[8];
    FromHex(v.key, key);
    FromHex(v.plain, plain);
    DesCipher des(key);
    des.EncryptBlock(plain, out);
    EXPECT_EQ(ToHex(out), v.cipher);
    des.DecryptBlock(out, back);
    EXPECT_EQ(ToHex(back), v.plain);
  }
}

TEST(DesCipher, ParityBitsTakeNoPart) {
  uint8_t a[8], b[8], plain[8] = {1, 2, 3, 4, 5, 6, 7, 8}, out_a[8], out_b[8];
  FromHex("133457799BBCDFF1", a);
  FromHex("123456789ABCDEF0", b);  // same key with every low bit flipped
  DesCipher(a).EncryptBlock(plain, out_a);
  DesCipher(b).EncryptBlock(plain, out_b);
  EXPECT_EQ(ToHex(out_a), ToHex(out_b));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
