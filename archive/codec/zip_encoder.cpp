// zip_encoder.cpp -- converter 1, compressing side.
#include "archive/codec/zip_encoder.h"

#include <limits>
#include <new>

namespace ZEPHYRA_NAMESPACE {

voidpf YdZlibAlloc(voidpf, uInt items, uInt size) {
  if (size != 0 && items > std::numeric_limits<size_t>::max() / size) return Z_NULL;
  return new (std::nothrow) unsigned char[size_t{items} * size];
}

void YdZlibFree(voidpf, voidpf address) { delete[] static_cast<unsigned char*>(address); }

YdZipEncoder::YdZipEncoder(const int* level) : YdBufferedConverter(kBufferSize) {
  if (level != nullptr) level_ = (*level < 0 || *level > 9) ? 9 : *level;
  stream_.zalloc = YdZlibAlloc;
  stream_.zfree = YdZlibFree;
}

YdZipEncoder::~YdZipEncoder() {
  if (initialised_) deflateEnd(&stream_);
}

uint8_t* YdZipEncoder::GetOutputWindow(uint32_t* free_bytes) {
  *free_bytes = output_.Capacity() - output_.Length();
  return output_.Data() + output_.Length();
}

bool YdZipEncoder::InitStream() {
  uint32_t free_bytes = 0;
  stream_.next_out = GetOutputWindow(&free_bytes);
  stream_.avail_out = free_bytes;
  if (deflateInit2_(&stream_, level_, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY, "1.2.3",
                    static_cast<int>(sizeof(z_stream))) < 0) {
    return false;
  }
  initialised_ = true;
  return true;
}

bool YdZipEncoder::Feed(const uint8_t* input, uint32_t length, uint32_t* consumed, bool) {
  *consumed = 0;
  if (!initialised_ && !InitStream()) return false;
  if (GetFreeSpace() == 0) return true;
  return RunStep(input, length, consumed, [](z_stream* s) { return deflate(s, Z_NO_FLUSH); }) >= 0;
}

bool YdZipEncoder::Finish() {
  if (finished_) return true;
  if (!initialised_ && !InitStream()) return false;
  if (GetFreeSpace() == 0) return true;
  const int result = RunStep(nullptr, 0, nullptr, [](z_stream* s) { return deflate(s, Z_FINISH); });
  if (result < Z_ERRNO) return false;
  if (result == Z_STREAM_END) finished_ = true;
  return true;
}

bool YdZipEncoder::Reset() {
  ClearOutput();
  finished_ = false;
  if (!initialised_) return InitStream();
  return deflateReset(&stream_) == Z_OK;
}

}  // namespace ZEPHYRA_NAMESPACE
