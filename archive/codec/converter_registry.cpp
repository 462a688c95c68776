// converter_registry.cpp -- the table of converters, filled on first use.
#include "archive/codec/converter_registry.h"

#include <array>

#include "archive/codec/raw_converter.h"
#include "archive/codec/zip_decoder.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Converters are made with `new` rather than make_shared: built without RTTI
// (the shipped setup), make_shared links the C++ library's exception runtime
// through its deleter lookup.
using Registry = std::array<YdConverterRecord, kConverterSlots>;

const Registry& TheRegistry() {
  static const Registry registry = [] {
    Registry table;
    table[kConverterZlib] = YdConverterRecord{
        [](const int* level) -> std::shared_ptr<YdCompressConverter> {
          return std::shared_ptr<YdCompressConverter>(new YdZipEncoder(level));
        },
        [](const int*) -> std::shared_ptr<YdCompressConverter> {
          return std::shared_ptr<YdCompressConverter>(new YdZipDecoder());
        },
        u"ZIP"};
    return table;
  }();
  return registry;
}

// Identifier 3 is an alias of 2.
int Canonical(int id) { return id == 3 ? 2 : id; }

}  // namespace

const YdConverterRecord* FindConverterRecord(int id) {
  id = Canonical(id);
  if (id < 0 || id >= kConverterSlots) return nullptr;
  const YdConverterRecord& record = TheRegistry()[static_cast<size_t>(id)];
  return (record.encoder || record.decoder) ? &record : nullptr;
}

std::shared_ptr<YdCompressConverter> GetConverterForExtraction(int id) {
  if (id == kConverterStored) return std::shared_ptr<YdCompressConverter>(new YdRawConverter());
  const YdConverterRecord* record = FindConverterRecord(id);
  if (record == nullptr || record->decoder == nullptr) return nullptr;
  return record->decoder(nullptr);
}

std::shared_ptr<YdCompressConverter> GetConverterForPacking(int id, const int* level) {
  if (id == kConverterStored) return std::shared_ptr<YdCompressConverter>(new YdRawConverter());
  const YdConverterRecord* record = FindConverterRecord(id);
  if (record == nullptr || record->encoder == nullptr) return nullptr;
  return record->encoder(level);
}

}  // namespace ZEPHYRA_NAMESPACE
