// markup_fuzzer.cpp -- fuzz entry point: arbitrary text through the markup
// tokenizer, walked the way the layout walks a line (a token, or one
// character of text), with the numbers of <x>, <y> and <p> added up the way
// the layout adds them and the colour of <c> read.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_text.h"
#include "ui/render/image_descriptor.h"
#include "ui/text/markup_token.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ZEPHYRA_NAMESPACE;
  const std::wstring text = FuzzWide(data, size);
  int pen = 0;
  int height = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    const MarkupToken token = ReadMarkupToken(text, pos);
    if (token.kind == MarkupToken::kText) {
      if (token.length != 0) __builtin_trap();
      ++pos;
      continue;
    }
    // A token is never empty and never runs past the text.
    if (token.length == 0 || token.length > text.size() - pos) __builtin_trap();
    if (token.kind == MarkupToken::kOpenTag) {
      switch (token.letter) {
        case L'x': pen = AddMarkupExtent(pen, ParseDescriptorNumber(token.argument)); break;
        case L'y': height = AddMarkupExtent(0, ParseDescriptorNumber(token.argument)); break;
        case L'p': height = AddMarkupExtent(ParseDescriptorNumber(token.argument), height); break;
        case L'c': ParseDescriptorColour(token.argument); break;
        default: break;
      }
    }
    pos += token.length;
  }
  (void)pen;
  (void)height;
  return 0;
}
