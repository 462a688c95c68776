// utf.h -- text conversions: UTF-8 and UTF-16 (portable), and the one bridge
// between the portable code's UTF-16 text (std::u16string) and the Win32
// code's wide text (std::wstring).
#pragma once

#include <string>
#include <string_view>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Unpaired surrogates and malformed UTF-8 become U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);
std::u16string Utf8ToUtf16(const std::string& text);

// Copies between wide and UTF-16 text. On Windows a wchar_t is a UTF-16
// unit and the units are copied as they are; where wchar_t holds UTF-32
// (host builds of portable code that takes wide text) characters beyond
// U+FFFF become surrogate pairs and pairs become one character again.
std::u16string ToUtf16(std::wstring_view text);
std::wstring ToWide(std::u16string_view text);

#ifdef _WIN32
// The same units seen as the other type, without a copy.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t is UTF-16 on Windows");
inline std::u16string_view AsUtf16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}
inline std::wstring_view AsWide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
// The NUL-terminated wide text of `text`, for a Win32 call.
inline const wchar_t* WideCStr(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline wchar_t* WideData(std::u16string& text) { return reinterpret_cast<wchar_t*>(&text[0]); }
#endif

}  // namespace ZEPHYRA_NAMESPACE
