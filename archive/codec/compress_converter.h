// compress_converter.h -- the interface of the converters that turn an
// archive entry's stored bytes into the file's bytes (or back), piece by
// piece, through a bounded output buffer that the caller drains.
#pragma once

#include <cstdint>

#include "common/yd_namespace.h"

// <windows.h> defines GetFreeSpace as a function-like macro (a Win16
// leftover); it would replace the operation of that name below.
#ifdef GetFreeSpace
#undef GetFreeSpace
#endif

namespace ZEPHYRA_NAMESPACE {

// Converter identifiers of the archive format.
enum YdConverterId : int {
  kConverterStored = 0,
  kConverterZlib = 1,
  kConverterSlots = 32,  // identifiers 2..31 are reserved
};

class YdCompressConverter {
 public:
  virtual ~YdCompressConverter() = default;

  virtual int GetTypeId() const = 0;
  // Bytes the output buffer can still take.
  virtual uint32_t GetFreeSpace() const = 0;
  // Consumes some or all of [input, input + length) and appends output.
  // `final_hint` says the output buffer can hold all remaining output; no
  // converter of this system uses it. False on a stream error.
  virtual bool Feed(const uint8_t* input, uint32_t length, uint32_t* consumed, bool final_hint) = 0;
  // Produces output held back at the end of the input; called until it
  // produces no more.
  virtual bool Finish() = 0;
  virtual uint32_t GetOutputSize() const = 0;
  // Copies min(count, waiting) bytes out and moves the rest to the front.
  virtual int TakeOutput(uint8_t* destination, uint32_t count) = 0;
  virtual const uint8_t* PeekOutput(uint32_t* length) const = 0;
  virtual void ClearOutput() = 0;
  // Prepares the converter for the next entry.
  virtual bool Reset() = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
