// format.h -- printf-style formatting of short texts of numbers into a
// std::string or std::wstring.
//
// On Windows this is the C runtime's own formatter: MinGW's portable printf,
// which the standard names (snprintf, swprintf) reach from C++, would link
// about 40 KB into the setup. Use only the conversions both agree on: %d,
// %u, %x and %X with flags and width, and %g (whose exponent the Windows
// runtime writes with three digits, which every number reader accepts).
// Neither %s nor %ls: their meaning differs between the two.
#pragma once

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

std::string FormatText(const char* format, ...);
std::wstring FormatText(const wchar_t* format, ...);

// The number in decimal, "-" first when negative; std::to_wstring's text
// without the formatter it goes through.
std::wstring WideDecimal(long long value);

}  // namespace ZEPHYRA_NAMESPACE
