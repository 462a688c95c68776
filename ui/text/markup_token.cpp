// markup_token.cpp -- the markup tokenizer and its saturating sums.
#include "ui/text/markup_token.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {
namespace {

bool IsTagStart(wchar_t c) { return c == L'<' || c == L'{'; }
bool IsTagEnd(wchar_t c) { return c == L'>' || c == L'}'; }

std::wstring Trim(const std::wstring& s) {
  const size_t first = s.find_first_not_of(L' ');
  if (first == std::wstring::npos) return std::wstring();
  return s.substr(first, s.find_last_not_of(L' ') - first + 1);
}

}  // namespace

MarkupToken ReadMarkupToken(const std::wstring& text, size_t pos) {
  MarkupToken token;
  const size_t n = text.size();
  if (pos >= n || !IsTagStart(text[pos])) return token;
  // Three-character escapes.
  if (pos + 2 < n) {
    const wchar_t a = text[pos], b = text[pos + 1], c = text[pos + 2];
    if (a == L'<' && (b == L'{' || b == L'}') && c == L'>') {
      token.kind = MarkupToken::kEscape;
      token.literal = b;
      token.length = 3;
      return token;
    }
    if (a == L'{' && (b == L'<' || b == L'>') && c == L'}') {
      token.kind = MarkupToken::kEscape;
      token.literal = b;
      token.length = 3;
      return token;
    }
  }
  if (pos + 3 < n && text[pos + 1] == L'/' && text[pos + 2] >= L'a' && text[pos + 2] <= L'z' &&
      IsTagEnd(text[pos + 3])) {
    token.kind = MarkupToken::kCloseTag;
    token.letter = text[pos + 2];
    token.length = 4;
    return token;
  }
  if (pos + 2 < n && text[pos + 1] >= L'a' && text[pos + 1] <= L'z' &&
      (text[pos + 2] == L' ' || IsTagEnd(text[pos + 2]))) {
    size_t end = pos + 2;
    while (end < n && !IsTagEnd(text[end])) ++end;
    if (end >= n) return token;  // never closed: plain text
    token.kind = MarkupToken::kOpenTag;
    token.letter = text[pos + 1];
    token.argument = Trim(text.substr(pos + 2, end - pos - 2));
    token.length = end - pos + 1;
  }
  return token;
}

int AddMarkupExtent(int value, int by) {
  const long long sum = static_cast<long long>(value) + by;
  return static_cast<int>(std::clamp<long long>(sum, -kMarkupExtentLimit, kMarkupExtentLimit));
}

}  // namespace ZEPHYRA_NAMESPACE
