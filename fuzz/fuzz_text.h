// fuzz_text.h -- turns a fuzzer's bytes into the wide text the skin parsers
// take: the bytes are read as UTF-16LE code units (a last odd byte is
// dropped), so every code unit, lone surrogates included, can occur.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline std::u16string FuzzUtf16(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  return text;
}

inline std::wstring FuzzWide(const uint8_t* data, size_t size) {
  const std::u16string units = FuzzUtf16(data, size);
  return std::wstring(units.begin(), units.end());
}
