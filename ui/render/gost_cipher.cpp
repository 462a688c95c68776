// gost_cipher.cpp -- GOST 28147-89: 32 Feistel rounds, key words 0..7 three
// times then 7..0 for enciphering, the reverse order for deciphering.
#include "ui/render/gost_cipher.h"

#include <cstring>

namespace ZEPHYRA_NAMESPACE {
namespace {

// First row of each DES S-box, S1 to S8.
constexpr uint8_t kRows[8][16] = {
    {14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
    {15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
    {10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
    {7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
    {2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
    {12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
    {4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
    {13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
};

uint32_t RoundFunction(uint32_t half, uint32_t key_word) {
  uint32_t x = half + key_word;
  uint32_t substituted = 0;
  for (int i = 0; i < 8; ++i) {
    substituted |= static_cast<uint32_t>(kRows[i][(x >> (4 * i)) & 0xF]) << (4 * i);
  }
  return (substituted << 11) | (substituted >> 21);
}

void Rounds(const GostKey& key, uint32_t block[2], const int order[32]) {
  uint32_t n1 = block[0];
  uint32_t n2 = block[1];
  for (int i = 0; i < 32; ++i) {
    const uint32_t t = n2 ^ RoundFunction(n1, key[order[i]]);
    n2 = n1;
    n1 = t;
  }
  // The last round does not swap.
  block[0] = n2;
  block[1] = n1;
}

constexpr int kEncipherOrder[32] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7,
                                    0, 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 0};
constexpr int kDecipherOrder[32] = {0, 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 0,
                                    7, 6, 5, 4, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1, 0};

uint32_t Load32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void Store32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

void Ecb(const GostKey& key, uint8_t* data, size_t size, const int order[32]) {
  for (size_t offset = 0; offset + 8 <= size; offset += 8) {
    uint32_t block[2] = {Load32(data + offset), Load32(data + offset + 4)};
    Rounds(key, block, order);
    Store32(data + offset, block[0]);
    Store32(data + offset + 4, block[1]);
  }
}

}  // namespace

GostKey ImageFileKey() {
  // Kept out of the binary as one literal: each word is a seed mixed with
  // its index, so the key is assembled only when it is needed.
  static const uint32_t kSeeds[8] = {0x5A3C9E71, 0x13F0B62D, 0xC48E2A95, 0x7D615FE3,
                                     0x2B97C40A, 0xE6D3188F, 0x915A7B36, 0x48E2D0C9};
  GostKey key{};
  for (uint32_t i = 0; i < 8; ++i) key[i] = kSeeds[i] ^ (0x9E3779B9u * (i + 1));
  return key;
}

void GostEncipherBlock(const GostKey& key, uint32_t block[2]) { Rounds(key, block, kEncipherOrder); }
void GostDecipherBlock(const GostKey& key, uint32_t block[2]) { Rounds(key, block, kDecipherOrder); }

void GostEncipherEcb(const GostKey& key, uint8_t* data, size_t size) { Ecb(key, data, size, kEncipherOrder); }
void GostDecipherEcb(const GostKey& key, uint8_t* data, size_t size) { Ecb(key, data, size, kDecipherOrder); }

}  // namespace ZEPHYRA_NAMESPACE
