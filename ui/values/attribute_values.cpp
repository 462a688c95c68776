// attribute_values.cpp -- parsers of the control attribute value syntaxes.
#include "ui/values/attribute_values.h"

#include <climits>

namespace ZEPHYRA_NAMESPACE {

namespace {

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'z') return c - u'a' + 10;
  if (c >= u'A' && c <= u'Z') return c - u'A' + 10;
  return 99;
}

// Reads the numbers of a rectangle, pair or sizebox into `out`.
void ReadSeparatedNumbers(std::u16string_view text, int* out, size_t count) {
  size_t pos = 0;
  for (size_t i = 0; i < count; ++i) {
    if (pos >= text.size()) {
      out[i] = 0;
      continue;
    }
    size_t used = 0;
    out[i] = ParseInt(text.substr(pos), &used);
    pos += used + 1;  // the number, then one separator
  }
}

}  // namespace

uint32_t ParseUnsigned32(std::u16string_view text, int base) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  if (base == 16 && i + 2 < text.size() && text[i] == u'0' &&
      (text[i + 1] == u'x' || text[i + 1] == u'X') && DigitValue(text[i + 2]) < 16) {
    i += 2;
  }
  uint64_t value = 0;
  bool overflow = false;
  for (; i < text.size(); ++i) {
    const int d = DigitValue(text[i]);
    if (d >= base) break;
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    if (value > 0xFFFFFFFFull) {
      overflow = true;
      value = 0xFFFFFFFFull;
    }
  }
  if (overflow) return 0xFFFFFFFFu;
  const uint32_t v = static_cast<uint32_t>(value);
  return negative ? 0u - v : v;
}

int ParseInt(std::u16string_view text, size_t* used) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  const size_t digitsFrom = i;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    if (value <= static_cast<int64_t>(INT_MAX) + 1) value = value * 10 + (text[i] - u'0');
  }
  if (used) *used = i == digitsFrom ? 0 : i;
  if (i == digitsFrom) return 0;
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

uint32_t ParseColour(std::u16string_view text, bool trimmed) {
  if (trimmed) {
    size_t i = 0;
    while (i < text.size() && text[i] <= 0x20) ++i;
    text.remove_prefix(i);
  }
  if (!text.empty() && text[0] == u'#') text.remove_prefix(1);
  return ParseUnsigned32(text, 16);
}

YdRect ParseRect(std::u16string_view text) {
  int v[4];
  ReadSeparatedNumbers(text, v, 4);
  return {v[0], v[1], v[2], v[3]};
}

YdPoint ParsePair(std::u16string_view text) {
  int v[2];
  ReadSeparatedNumbers(text, v, 2);
  return {v[0], v[1]};
}

void ParseNumbers(std::u16string_view text, int* out, size_t count) {
  ReadSeparatedNumbers(text, out, count);
}

bool ParseBool(std::u16string_view text) { return text == u"true"; }

bool ContainsWord(std::u16string_view text, std::string_view word) {
  if (word.empty() || word.size() > text.size()) return false;
  for (size_t start = 0; start + word.size() <= text.size(); ++start) {
    size_t k = 0;
    while (k < word.size() && text[start + k] == static_cast<unsigned char>(word[k])) ++k;
    if (k == word.size()) return true;
  }
  return false;
}

std::vector<std::pair<std::u16string, std::u16string>> ParseAttributeList(std::u16string_view list) {
  std::vector<std::pair<std::u16string, std::u16string>> pairs;
  size_t pos = 0;
  while (pos < list.size()) {
    const size_t eq = list.find(u'=', pos);
    if (eq == std::u16string_view::npos) break;
    if (eq + 1 >= list.size() || list[eq + 1] != u'"') break;
    const size_t close = list.find(u'"', eq + 2);
    if (close == std::u16string_view::npos) break;
    pairs.emplace_back(std::u16string(list.substr(pos, eq - pos)),
                       std::u16string(list.substr(eq + 2, close - eq - 2)));
    pos = close + 1;
    if (pos >= list.size() || list[pos] != u' ') break;
    ++pos;
  }
  return pairs;
}

}  // namespace ZEPHYRA_NAMESPACE
