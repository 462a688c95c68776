// converter_registry.h -- maps converter identifiers to converter factories.
#pragma once

#include <memory>
#include <string>

#include "archive/codec/compress_converter.h"

namespace ZEPHYRA_NAMESPACE {

using YdConverterFactory = std::shared_ptr<YdCompressConverter> (*)(const int* level);

struct YdConverterRecord {
  YdConverterFactory encoder = nullptr;
  YdConverterFactory decoder = nullptr;
  std::u16string name;
};

// The registry record under `id` (0..31), or null for an empty slot.
const YdConverterRecord* FindConverterRecord(int id);

// A decoder for extraction: identifier 0 always gives a raw converter,
// 3 is read as 2, identifiers from 32 on and empty slots give none.
std::shared_ptr<YdCompressConverter> GetConverterForExtraction(int id);

// An encoder for packing (identifier 0: raw), or none.
std::shared_ptr<YdCompressConverter> GetConverterForPacking(int id, const int* level);

}  // namespace ZEPHYRA_NAMESPACE
