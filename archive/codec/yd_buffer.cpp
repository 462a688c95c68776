// yd_buffer.cpp -- owned, growable byte buffer.
#include "archive/codec/yd_buffer.h"

#include <cstring>
#include <new>
#include <utility>

namespace ZEPHYRA_NAMESPACE {

YdBuffer::YdBuffer(YdBuffer&& other) noexcept
    : capacity_(std::exchange(other.capacity_, 0)),
      data_(std::exchange(other.data_, nullptr)),
      length_(std::exchange(other.length_, 0)) {}

YdBuffer& YdBuffer::operator=(YdBuffer&& other) noexcept {
  if (this != &other) {
    delete[] data_;
    capacity_ = std::exchange(other.capacity_, 0);
    data_ = std::exchange(other.data_, nullptr);
    length_ = std::exchange(other.length_, 0);
  }
  return *this;
}

YdBuffer::~YdBuffer() { delete[] data_; }

bool YdBuffer::SetCapacity(uint32_t capacity) {
  if (capacity == capacity_) return true;
  uint8_t* fresh = nullptr;
  if (capacity != 0) {
    fresh = new (std::nothrow) uint8_t[capacity];
    if (fresh == nullptr) return false;
    const uint32_t keep = capacity < capacity_ ? capacity : capacity_;
    if (keep != 0) std::memcpy(fresh, data_, keep);
  }
  delete[] data_;
  data_ = fresh;
  capacity_ = capacity;
  if (length_ > capacity_) length_ = capacity_;
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
