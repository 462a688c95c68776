// GOST 28147-89 in ECB mode: round trips, block independence, the untouched
// tail, and the dependence on key and direction.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ui/render/gost_cipher.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

std::vector<uint8_t> Counting(size_t n) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 7 + 3);
  return v;
}

TEST(GostCipherTest, EcbRoundTripLeavesTheTailAlone) {
  const GostKey key = ImageFileKey();
  for (size_t size : {0u, 4u, 8u, 13u, 64u, 1029u}) {
    std::vector<uint8_t> data = Counting(size);
    const std::vector<uint8_t> original = data;
    GostEncipherEcb(key, data.data(), data.size());
    const size_t whole = size / 8 * 8;
    if (whole > 0) {
      EXPECT_NE(std::vector<uint8_t>(data.begin(), data.begin() + whole),
                std::vector<uint8_t>(original.begin(), original.begin() + whole));
    }
    EXPECT_EQ(std::vector<uint8_t>(data.begin() + whole, data.end()),
              std::vector<uint8_t>(original.begin() + whole, original.end()));
    GostDecipherEcb(key, data.data(), data.size());
    EXPECT_EQ(data, original) << size;
  }
}

TEST(GostCipherTest, BlocksAreEncipheredIndependently) {
  const GostKey key = ImageFileKey();
  std::vector<uint8_t> a(24, 0x11), b(24, 0x11);
  b[9] = 0x12;  // second block differs
  GostEncipherEcb(key, a.data(), a.size());
  GostEncipherEcb(key, b.data(), b.size());
  EXPECT_TRUE(std::equal(a.begin(), a.begin() + 8, b.begin()));
  EXPECT_FALSE(std::equal(a.begin() + 8, a.begin() + 16, b.begin() + 8));
  EXPECT_TRUE(std::equal(a.begin() + 16, a.end(), b.begin() + 16));
  // Equal plaintext blocks give equal ciphertext blocks.
  EXPECT_TRUE(std::equal(a.begin(), a.begin() + 8, a.begin() + 16));
}

TEST(GostCipherTest, KeyAndBlockMatter) {
  const GostKey zero{};
  uint32_t block[2] = {0, 0};
  GostEncipherBlock(zero, block);
  EXPECT_NE(block[0] | block[1], 0u);
  GostDecipherBlock(zero, block);
  EXPECT_EQ(block[0], 0u);
  EXPECT_EQ(block[1], 0u);
  // Another key gives another ciphertext; the key order matters too
  // (deciphering is not the same as enciphering).
  uint32_t with_zero[2] = {1, 2}, with_key[2] = {1, 2}, deciphered[2] = {1, 2};
  GostEncipherBlock(zero, with_zero);
  GostEncipherBlock(ImageFileKey(), with_key);
  GostDecipherBlock(ImageFileKey(), deciphered);
  EXPECT_TRUE(with_zero[0] != with_key[0] || with_zero[1] != with_key[1]);
  EXPECT_TRUE(deciphered[0] != with_key[0] || deciphered[1] != with_key[1]);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
