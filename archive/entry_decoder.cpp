// entry_decoder.cpp -- the decode loop of one archive entry.
#include "archive/entry_decoder.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Hands the converter's waiting output to the sink and clears it.
YdDecodeSink::WriteAnswer Drain(YdCompressConverter& converter, YdDecodeSink& sink, uint64_t& decoded_left,
                                uint32_t* drained) {
  uint32_t length = 0;
  const uint8_t* output = converter.PeekOutput(&length);
  *drained = length;
  if (length == 0) return YdDecodeSink::WriteAnswer::kWritten;
  decoded_left = length < decoded_left ? decoded_left - length : 0;
  const YdDecodeSink::WriteAnswer answer = sink.Write(output, length);
  converter.ClearOutput();
  return answer;
}

YdDecodeOutcome FromAnswer(YdDecodeSink::WriteAnswer answer) {
  return answer == YdDecodeSink::WriteAnswer::kStopKeep ? YdDecodeOutcome::kStoppedKept
                                                        : YdDecodeOutcome::kWriteAborted;
}

}  // namespace

YdDecodeOutcome DecodeStoredBytes(const uint8_t* stored, uint64_t stored_size, uint64_t decoded_size,
                                  YdCompressConverter& converter, YdDecodeSink& sink) {
  const bool pass_through = converter.GetTypeId() == kConverterStored;
  uint64_t remaining = stored_size;
  uint64_t decoded_left = decoded_size;
  while (remaining != 0) {
    const uint32_t piece = remaining < kDecodePieceSize ? static_cast<uint32_t>(remaining) : kDecodePieceSize;
    const uint8_t* input = stored + (stored_size - remaining);
    remaining -= piece;
    if (!sink.BeforePiece(stored_size - remaining)) return YdDecodeOutcome::kCancelled;

    if (pass_through) {
      const YdDecodeSink::WriteAnswer answer = sink.Write(input, piece);
      if (answer != YdDecodeSink::WriteAnswer::kWritten) return FromAnswer(answer);
      continue;
    }
    uint32_t unfed = piece;
    while (unfed != 0) {
      sink.BeforeFeed();
      const bool final_hint = decoded_left <= converter.GetFreeSpace();
      uint32_t consumed = 0;
      if (!converter.Feed(input, unfed, &consumed, final_hint)) return YdDecodeOutcome::kStreamError;
      if (consumed > unfed) return YdDecodeOutcome::kStreamError;
      input += consumed;
      unfed -= consumed;
      uint32_t drained = 0;
      const YdDecodeSink::WriteAnswer answer = Drain(converter, sink, decoded_left, &drained);
      if (answer != YdDecodeSink::WriteAnswer::kWritten) return FromAnswer(answer);
      // A step that neither consumes nor produces would repeat for ever.
      if (consumed == 0 && drained == 0) return YdDecodeOutcome::kStreamError;
    }
  }
  if (pass_through) return YdDecodeOutcome::kComplete;
  // Output still held inside the converter, until it produces no more.
  for (;;) {
    if (!converter.Finish()) return YdDecodeOutcome::kStreamError;
    uint32_t drained = 0;
    const YdDecodeSink::WriteAnswer answer = Drain(converter, sink, decoded_left, &drained);
    if (answer != YdDecodeSink::WriteAnswer::kWritten) return FromAnswer(answer);
    if (drained == 0) break;
  }
  converter.ClearOutput();
  return YdDecodeOutcome::kComplete;
}

}  // namespace ZEPHYRA_NAMESPACE
