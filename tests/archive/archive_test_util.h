// archive_test_util.h -- helpers for building archives and tables in tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_writer.h"
#include "archive/byte_order.h"
#include "archive/codec/compress_converter.h"

namespace ZEPHYRA_NAMESPACE {
namespace testing_util {

inline std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

// Deterministic, moderately compressible content.
inline std::vector<uint8_t> PatternBytes(size_t size, uint32_t seed = 1) {
  std::vector<uint8_t> out(size);
  uint32_t state = seed;
  for (size_t i = 0; i < size; ++i) {
    state = state * 1664525u + 1013904223u;
    out[i] = static_cast<uint8_t>((i % 7 == 0) ? (state >> 24) : ('a' + (i / 13) % 26));
  }
  return out;
}

// A full archive around a hand-made table: header (version, table length),
// the table, then `data`.
inline std::vector<uint8_t> WrapTable(const std::vector<uint8_t>& table, uint8_t version = 1,
                                      const std::vector<uint8_t>& data = {}) {
  std::vector<uint8_t> out = {'Y', 'D', 'Z', version};
  AppendLe(out, table.size(), 4);
  out.insert(out.end(), table.begin(), table.end());
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

// Record of one node alone, with fields as given.
inline std::vector<uint8_t> Record(int type, const std::u16string& name, uint32_t children = 0,
                                   uint64_t offset = 0, uint64_t stored = 0, uint16_t converter = 0) {
  YdTocNode node;
  node.type = type;
  node.name = name;
  node.dataOffset = offset;
  node.storedSize = stored;
  node.converter = converter;
  std::vector<uint8_t> out;
  AppendTocRecord(out, node);
  if (type != kTocInline) {
    out[1] = static_cast<uint8_t>(children >> 16);
    out[2] = static_cast<uint8_t>(children >> 8);
    out[3] = static_cast<uint8_t>(children);
  }
  return out;
}

inline std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

}  // namespace testing_util
}  // namespace ZEPHYRA_NAMESPACE
