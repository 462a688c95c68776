// zip_decoder.cpp -- converter 1, decoding side.
#include "archive/codec/zip_decoder.h"

namespace ZEPHYRA_NAMESPACE {

YdZipDecoder::~YdZipDecoder() {
  if (initialised_) {
    inflateEnd(&stream_);
    initialised_ = false;  // the encoder's destructor must not deflateEnd it
  }
}

bool YdZipDecoder::InitStream() {
  uint32_t free_bytes = 0;
  stream_.next_out = GetOutputWindow(&free_bytes);
  stream_.avail_out = free_bytes;
  stream_.next_in = Z_NULL;
  stream_.avail_in = 0;
  if (inflateInit2_(&stream_, 15, "1.2.3", static_cast<int>(sizeof(z_stream))) < 0) return false;
  initialised_ = true;
  return true;
}

bool YdZipDecoder::Feed(const uint8_t* input, uint32_t length, uint32_t* consumed, bool) {
  *consumed = 0;
  if (!initialised_ && !InitStream()) return false;
  if (length != 0) fed_ = true;
  if (finished_) return length == 0;  // trailing bytes after the stream
  if (GetFreeSpace() == 0) return true;
  const int result = RunStep(input, length, consumed, [](z_stream* s) { return inflate(s, Z_NO_FLUSH); });
  if (result < 0) return false;
  if (result == Z_STREAM_END) {
    finished_ = true;
    return *consumed == length;
  }
  return true;
}

bool YdZipDecoder::Finish() {
  if (!fed_ || finished_) return true;
  if (GetFreeSpace() == 0) return true;
  // Output may still be pending inside zlib after the last input byte was
  // consumed; drain it. No output and no stream end means a truncated entry.
  const uint32_t before = GetOutputSize();
  const int result = RunStep(nullptr, 0, nullptr, [](z_stream* s) { return inflate(s, Z_NO_FLUSH); });
  if (result == Z_STREAM_END) {
    finished_ = true;
    return true;
  }
  return result >= 0 && GetOutputSize() > before;
}

bool YdZipDecoder::Reset() {
  ClearOutput();
  finished_ = false;
  fed_ = false;
  if (!initialised_) return InitStream();
  return inflateReset(&stream_) == Z_OK;
}

}  // namespace ZEPHYRA_NAMESPACE
