// descriptor_fuzzer.cpp -- fuzz entry point: arbitrary text as an image
// descriptor (parsed whole, with its second half as modifier, read key by
// key and placed in an item) and as every attribute value syntax of the
// skin (rectangles, pairs, the sizebox, colours, integers, booleans,
// keyword lists and attribute lists).
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_text.h"
#include "ui/render/image_descriptor.h"
#include "ui/values/attribute_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ZEPHYRA_NAMESPACE;
  const std::u16string value = FuzzUtf16(data, size);
  const std::wstring text(value.begin(), value.end());

  const ImageDescriptor d = ParseImageDescriptor(text, text.substr(text.size() / 2));
  // A rotation is a finite angle or none.
  if (!std::isfinite(d.rotate)) __builtin_trap();
  const RECT item{100, 100, 300, 300};
  ComputeImageDestination(d, item);
  for (int key = 0; key <= static_cast<int>(DescriptorKey::kGray); ++key) {
    const DescriptorValue v = ReadDescriptorValue(text, static_cast<DescriptorKey>(key));
    if (!std::isfinite(v.real)) __builtin_trap();
  }

  ParseRect(value);
  ParsePair(value);
  int numbers[5];
  ParseNumbers(value, numbers, 5);
  ParseColour(value, true);
  ParseColour(value, false);
  size_t used = 0;
  ParseInt(value, &used);
  if (used > value.size()) __builtin_trap();
  ParseUnsigned32(value, 10);
  ParseUnsigned32(value, 16);
  ParseBool(value);
  ContainsWord(value, "center");
  for (const auto& pair : ParseAttributeList(value)) {
    // Keys and values are pieces of the list.
    if (pair.first.size() + pair.second.size() > value.size()) __builtin_trap();
  }
  return 0;
}
