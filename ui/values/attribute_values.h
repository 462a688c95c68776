// attribute_values.h -- the value syntaxes of attributes in the XML skin,
// shared by the skin builder's window attributes and the controls: colours,
// integers, number lists (rectangles, pairs, the sizebox), booleans, keyword
// lists and attribute-list strings. Each parser takes the attribute text as
// it stands and never fails: text that does not parse gives 0 (or false).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/utf.h"  // AsUtf16: Win32 callers hand their wide text to the parsers
#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// Unsigned 32-bit number in `base` read the way wcstoul reads it on Windows:
// leading white space, an optional sign, for base 16 an optional "0x", then
// digits up to the first other character. Overflow gives 0xFFFFFFFF; a minus
// sign negates modulo 2^32.
uint32_t ParseUnsigned32(std::u16string_view text, int base);

// Signed decimal integer read like wcstol/_wtoi: leading white space and a
// sign allowed, trailing text ignored, clamped to the int range. `used`
// receives the number of characters consumed (0 when there are no digits).
int ParseInt(std::u16string_view text, size_t* used = nullptr);

// Colour 0xAARRGGBB. Untrimmed (the text colours): one "#" is skipped only
// when it is the very first character, so " #FF000000" gives 0. Trimmed (the
// background and border colours): characters up to 0x20 are skipped first.
uint32_t ParseColour(std::u16string_view text, bool trimmed);

// Four decimal numbers left, top, right, bottom; after each number exactly
// one separator character, whatever it is, is skipped. Missing numbers are 0
// (reading never passes the end of the text).
YdRect ParseRect(std::u16string_view text);

// Two numbers a, b with the same separator rule.
YdPoint ParsePair(std::u16string_view text);

// Five numbers (the window "sizebox"); missing ones are 0.
void ParseNumbers(std::u16string_view text, int* out, size_t count);

// True only for the exact text "true".
bool ParseBool(std::u16string_view text);

// Keyword lists are searched for each keyword as a substring.
bool ContainsWord(std::u16string_view text, std::string_view word);

// An attribute-list string: key="value" pairs, each pair followed by exactly
// one blank when another follows. Reading stops silently at the first pair
// without an equals sign or without both double quotes; pairs read so far
// are kept. Keys are taken as they stand (a second blank becomes part of
// the next key, which then matches no attribute).
std::vector<std::pair<std::u16string, std::u16string>> ParseAttributeList(std::u16string_view list);

}  // namespace ZEPHYRA_NAMESPACE
