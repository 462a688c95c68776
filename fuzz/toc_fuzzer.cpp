// toc_fuzzer.cpp -- fuzz entry point: arbitrary bytes through the header and
// table-of-contents parser.
#include <cstddef>
#include <cstdint>

#include "archive/toc_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ZEPHYRA_NAMESPACE;
  YdTocNode root;
  const TocReadResult result = ReadArchiveToc(data, size, root);
  // A parsed tree's stored ranges all lie inside the input.
  if (result.ok() && root.TotalStoredSize() != result.totalStoredSize) __builtin_trap();
  return 0;
}
