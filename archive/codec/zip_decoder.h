// zip_decoder.h -- converter 1, decoding side: inflates one zlib stream,
// verified by its Adler-32 trailer.
#pragma once

#include "archive/codec/zip_encoder.h"

namespace ZEPHYRA_NAMESPACE {

class YdZipDecoder : public YdZipEncoder {
 public:
  YdZipDecoder() = default;
  ~YdZipDecoder() override;

  // False on a corrupt stream, a wrong trailer, a step that can make no
  // progress, or bytes following the end of the stream.
  bool Feed(const uint8_t* input, uint32_t length, uint32_t* consumed, bool final_hint) override;
  // Drains output still pending inside zlib (the caller repeats it while it
  // produces output); false when input was fed but the stream ends before
  // its trailer (a truncated entry).
  bool Finish() override;
  bool Reset() override;
  bool InitStream() override;

 private:
  bool fed_ = false;  // input was fed since the last reset
};

}  // namespace ZEPHYRA_NAMESPACE
