// raw_converter.cpp -- converter 0: copies as much as the buffer takes.
#include "archive/codec/raw_converter.h"

namespace ZEPHYRA_NAMESPACE {

bool YdRawConverter::Feed(const uint8_t* input, uint32_t length, uint32_t* consumed, bool) {
  const uint32_t room = output_.FreeSpace();
  const uint32_t taken = length < room ? length : room;
  if (taken != 0) std::memcpy(output_.Data() + output_.Length(), input, taken);
  output_.SetLength(output_.Length() + taken);
  *consumed = taken;
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
