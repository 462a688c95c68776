// markup_token.h -- the tokenizer of markup text: tags, closing tags and
// escapes read at a position of wide text, and the bounds that keep the
// pen and the line heights the tags set inside numbers the layout can add
// up. Portable: the drawing (markup_text.cpp) and the fuzzing harness use it.
#pragma once

#include <cstddef>
#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

struct MarkupToken {
  enum Kind { kText, kOpenTag, kCloseTag, kEscape };
  Kind kind = kText;
  wchar_t letter = 0;     // tag letter
  std::wstring argument;  // open tag argument, trimmed
  wchar_t literal = 0;    // escape: the character it draws
  size_t length = 0;      // characters the token spans
};

// Reads a tag, closing tag or escape at `pos`; kText (length 0) when the
// text there is neither.
MarkupToken ReadMarkupToken(const std::wstring& text, size_t pos);

// Pen positions and line heights that tags produce stay within
// [-kMarkupExtentLimit, kMarkupExtentLimit], far outside any box and far
// inside the int range, so the widths added to them cannot overflow.
constexpr int kMarkupExtentLimit = 1 << 30;

// `value` + `by`, saturated to the limit above (<x n> moves the pen by n,
// <p n> adds the line height to n).
int AddMarkupExtent(int value, int by);

}  // namespace ZEPHYRA_NAMESPACE
