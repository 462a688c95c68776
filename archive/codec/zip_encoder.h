// zip_encoder.h -- converter 1, compressing side: one zlib stream (RFC 1950,
// window bits 15, memory level 8, default strategy).
#pragma once

#include <zlib.h>

#include "archive/codec/buffered_converter.h"

namespace ZEPHYRA_NAMESPACE {

class YdZipEncoder : public YdBufferedConverter {
 public:
  static constexpr uint32_t kBufferSize = 524288;
  static constexpr int kDefaultLevel = 5;

  // No level: 5. A level outside 0..9 (zlib's default -1 included) becomes 9.
  explicit YdZipEncoder(const int* level = nullptr);
  ~YdZipEncoder() override;

  int GetTypeId() const override { return kConverterZlib; }
  bool Feed(const uint8_t* input, uint32_t length, uint32_t* consumed, bool final_hint) override;
  bool Finish() override;
  bool Reset() override;

  virtual bool InitStream();
  // Address just past the waiting output, and the free byte count there.
  uint8_t* GetOutputWindow(uint32_t* free_bytes);

  int level() const { return level_; }
  bool finished() const { return finished_; }

 protected:
  // Runs one zlib step over the output window; returns zlib's result.
  template <typename Step>
  int RunStep(const uint8_t* input, uint32_t length, uint32_t* consumed, Step step);

  bool initialised_ = false;
  bool finished_ = false;
  z_stream stream_{};
  int level_ = kDefaultLevel;
};

// zlib allocation through the program's allocator; never throws.
voidpf YdZlibAlloc(voidpf opaque, uInt items, uInt size);
void YdZlibFree(voidpf opaque, voidpf address);

template <typename Step>
int YdZipEncoder::RunStep(const uint8_t* input, uint32_t length, uint32_t* consumed, Step step) {
  uint32_t free_bytes = 0;
  stream_.next_out = GetOutputWindow(&free_bytes);
  stream_.avail_out = free_bytes;
  stream_.next_in = const_cast<Bytef*>(input);
  stream_.avail_in = length;
  const int result = step(&stream_);
  if (consumed != nullptr) *consumed = length - stream_.avail_in;
  const uint32_t written = free_bytes - stream_.avail_out;
  output_.SetLength(output_.Length() + written);
  return result;
}

}  // namespace ZEPHYRA_NAMESPACE
