// raw_converter.h -- converter 0: stored bytes pass through unchanged.
#pragma once

#include "archive/codec/buffered_converter.h"

namespace ZEPHYRA_NAMESPACE {

class YdRawConverter : public YdBufferedConverter {
 public:
  static constexpr uint32_t kBufferSize = 102400;

  YdRawConverter() : YdBufferedConverter(kBufferSize) {}
  int GetTypeId() const override { return kConverterStored; }
  bool Feed(const uint8_t* input, uint32_t length, uint32_t* consumed, bool final_hint) override;
  bool Finish() override { return true; }
  bool Reset() override {
    ClearOutput();
    return true;
  }
};

}  // namespace ZEPHYRA_NAMESPACE
