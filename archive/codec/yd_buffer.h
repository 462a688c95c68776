// yd_buffer.h -- owned, growable byte buffer with a capacity and a valid length.
#pragma once

#include <cstdint>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdBuffer {
 public:
  YdBuffer() = default;
  explicit YdBuffer(uint32_t capacity) { SetCapacity(capacity); }
  YdBuffer(const YdBuffer&) = delete;
  YdBuffer& operator=(const YdBuffer&) = delete;
  YdBuffer(YdBuffer&& other) noexcept;
  YdBuffer& operator=(YdBuffer&& other) noexcept;
  virtual ~YdBuffer();

  // Reallocates to exactly `capacity` bytes, keeping the first
  // min(old, new) bytes. Returns false (buffer unchanged) when the
  // allocation fails.
  bool SetCapacity(uint32_t capacity);
  // Stores min(length, capacity).
  void SetLength(uint32_t length) { length_ = length < capacity_ ? length : capacity_; }

  uint32_t Capacity() const { return capacity_; }
  uint32_t Length() const { return length_; }
  uint32_t FreeSpace() const { return capacity_ - length_; }
  uint8_t* Data() { return data_; }
  const uint8_t* Data() const { return data_; }

 private:
  uint32_t capacity_ = 0;
  uint8_t* data_ = nullptr;
  uint32_t length_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
