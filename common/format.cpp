// format.cpp -- FormatText over the C runtime's formatter (see format.h).
#include "common/format.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>

namespace ZEPHYRA_NAMESPACE {
namespace {

// Enough for every text FormatText is used for; longer ones are cut to
// kLimit - 2 characters.
constexpr size_t kLimit = 256;

int FormatInto(char* buffer, size_t size, const char* format, va_list args) {
#ifdef _WIN32
  return _vsnprintf(buffer, size, format, args);
#else
  return std::vsnprintf(buffer, size, format, args);
#endif
}

int FormatInto(wchar_t* buffer, size_t size, const wchar_t* format, va_list args) {
#ifdef _WIN32
  return _vsnwprintf(buffer, size, format, args);
#else
  return std::vswprintf(buffer, size, format, args);
#endif
}

template <typename Char>
std::basic_string<Char> Format(const Char* format, va_list args) {
  Char buffer[kLimit];
  const int written = FormatInto(buffer, kLimit - 1, format, args);
  if (written < 0 || static_cast<size_t>(written) >= kLimit - 1) {
    // Cut. The Windows runtime then neither ends the text nor says how long
    // it would have been; both runtimes keep the first kLimit - 2 characters.
    buffer[kLimit - 2] = 0;
    return std::basic_string<Char>(buffer);
  }
  return std::basic_string<Char>(buffer, static_cast<size_t>(written));
}

}  // namespace

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = Format(format, args);
  va_end(args);
  return text;
}

std::wstring FormatText(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring text = Format(format, args);
  va_end(args);
  return text;
}

std::wstring WideDecimal(long long value) {
  wchar_t digits[24];
  size_t at = sizeof(digits) / sizeof(digits[0]);
  // Works on the magnitude as unsigned, so the most negative value has one.
  unsigned long long rest = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
  do {
    digits[--at] = static_cast<wchar_t>(L'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (value < 0) digits[--at] = L'-';
  return std::wstring(digits + at, sizeof(digits) / sizeof(digits[0]) - at);
}

}  // namespace ZEPHYRA_NAMESPACE
