// markup_text.h -- text with inline tags: <b id>, <u id>, <f id> fonts,
// <c RRGGBB> colour, <x n> pen move, <y n> line height, <p n> paragraph,
// <n> line break, <s> selection, <r> raw text; '{' '}' may stand for '<' '>'.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/yd_namespace.h"
#include "ui/text/font_table.h"
#include "ui/text/markup_token.h"

namespace ZEPHYRA_NAMESPACE {

void DrawMarkupText(HDC dc, IYdFontSource* manager, RECT* rect, const std::wstring& text, uint32_t colour,
                    const std::wstring& font, UINT format, bool alpha);

}  // namespace ZEPHYRA_NAMESPACE
