// entry_decoder.h -- the decode loop of one archive entry: the stored range
// is taken in pieces of at most 512 KiB, fed through the entry's converter,
// and the output is handed to a sink after every step. The unpacker and the
// verifier both run this one loop.
#pragma once

#include <cstdint>

#include "archive/codec/compress_converter.h"

namespace ZEPHYRA_NAMESPACE {

constexpr uint32_t kDecodePieceSize = 0x80000;

// What the loop's caller does with each piece and each block of output.
class YdDecodeSink {
 public:
  enum class WriteAnswer {
    kWritten,    // go on
    kStopKeep,   // stop decoding; the entry counts as done with what was written
    kAbort,      // stop decoding; the entry failed
  };
  virtual ~YdDecodeSink() = default;
  // Called before each piece is decoded, with the stored bytes taken so far
  // (this piece included); false stops the loop (cancellation).
  virtual bool BeforePiece(uint64_t stored_done) = 0;
  // Called before every Feed (throttling).
  virtual void BeforeFeed() {}
  virtual WriteAnswer Write(const uint8_t* data, uint32_t length) = 0;
};

enum class YdDecodeOutcome {
  kComplete,      // every stored byte decoded and written
  kStoppedKept,   // a write failure that the caller chose to pass over
  kCancelled,
  kStreamError,   // corrupt, truncated or over-long stream
  kWriteAborted,
};

// Decodes [stored, stored + stored_size) with `converter` (already reset)
// into `sink`. Converter identifier 0 writes pieces unchanged. The decoded
// size only sets the converter's final hint; it is not enforced.
YdDecodeOutcome DecodeStoredBytes(const uint8_t* stored, uint64_t stored_size, uint64_t decoded_size,
                                  YdCompressConverter& converter, YdDecodeSink& sink);

}  // namespace ZEPHYRA_NAMESPACE
