// utf.h -- conversions between UTF-8 and UTF-16 text (portable).
#pragma once

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Unpaired surrogates and malformed UTF-8 become U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);
std::u16string Utf8ToUtf16(const std::string& text);

}  // namespace ZEPHYRA_NAMESPACE
