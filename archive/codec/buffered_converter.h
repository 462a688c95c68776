// buffered_converter.h -- shared output-buffer handling of the converters.
#pragma once

#include <cstring>

#include "archive/codec/compress_converter.h"
#include "archive/codec/yd_buffer.h"

namespace ZEPHYRA_NAMESPACE {

// Implements the output half of the converter interface over one fixed
// YdBuffer allocated at construction.
class YdBufferedConverter : public YdCompressConverter {
 public:
  uint32_t GetFreeSpace() const override { return output_.FreeSpace(); }
  uint32_t GetOutputSize() const override { return output_.Length(); }
  int TakeOutput(uint8_t* destination, uint32_t count) override {
    const uint32_t waiting = output_.Length();
    const uint32_t taken = count < waiting ? count : waiting;
    if (taken != 0) std::memcpy(destination, output_.Data(), taken);
    if (waiting != taken) std::memmove(output_.Data(), output_.Data() + taken, waiting - taken);
    output_.SetLength(waiting - taken);
    return 1;
  }
  const uint8_t* PeekOutput(uint32_t* length) const override {
    *length = output_.Length();
    return output_.Data();
  }
  void ClearOutput() override { output_.SetLength(0); }

 protected:
  explicit YdBufferedConverter(uint32_t capacity) : output_(capacity) {}
  YdBuffer output_;
};

}  // namespace ZEPHYRA_NAMESPACE
