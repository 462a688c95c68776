// markup_text.h -- text with inline tags: <b id>, <u id>, <f id> fonts,
// <c RRGGBB> colour, <x n> pen move, <y n> line height, <p n> paragraph,
// <n> line break, <s> selection, <r> raw text; '{' '}' may stand for '<' '>'.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/yd_namespace.h"
#include "ui/text/font_table.h"

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

void DrawMarkupText(HDC dc, IYdFontSource* manager, RECT* rect, const std::wstring& text, uint32_t colour,
                    const std::wstring& font, UINT format, bool alpha);

}  // namespace ZEPHYRA_NAMESPACE
