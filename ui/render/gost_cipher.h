// gost_cipher.h -- the GOST 28147-89 block cipher in electronic-codebook mode,
// used for image files that are stored enciphered. The substitution rows are
// the first rows of the eight DES S-boxes; row i substitutes the i-th 4-bit
// group counted from the low end of the 32-bit word.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

using GostKey = std::array<uint32_t, 8>;

// The fixed key of enciphered image files, assembled at run time.
GostKey ImageFileKey();

// One 64-bit block; `block[0]` is the low half (the first four bytes, little
// endian).
void GostEncipherBlock(const GostKey& key, uint32_t block[2]);
void GostDecipherBlock(const GostKey& key, uint32_t block[2]);

// ECB over a buffer in place: every whole 8-byte block on its own, the last
// size % 8 bytes are left unchanged.
void GostEncipherEcb(const GostKey& key, uint8_t* data, size_t size);
void GostDecipherEcb(const GostKey& key, uint8_t* data, size_t size);

}  // namespace ZEPHYRA_NAMESPACE
