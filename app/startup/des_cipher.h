// des_cipher.h -- the DES block cipher (FIPS 46-3), one 64-bit block at a
// time, used to encipher and decipher the setup's mode argument.
#pragma once

#include <array>
#include <cstdint>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class DesCipher {
 public:
  // The 64 key bits, most significant bit of key[0] first (parity bits are
  // part of the key bytes and take no part in the schedule).
  explicit DesCipher(const uint8_t key[8]);

  void EncryptBlock(const uint8_t in[8], uint8_t out[8]) const;
  void DecryptBlock(const uint8_t in[8], uint8_t out[8]) const;

 private:
  uint64_t Crypt(uint64_t block, bool decrypt) const;
  std::array<uint64_t, 16> subkeys_{};  // 48 bits each
};

}  // namespace ZEPHYRA_NAMESPACE
