// code_page.h -- conversion of narrow skin text from a Windows code page to
// UTF-16, behind one small seam: on Windows MultiByteToWideChar with the
// code page itself, on other systems iconv with the matching character set
// name. Also which code page is the system's ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

constexpr unsigned kCodePageUtf8 = 65001;

// The system's ANSI code page (GetACP on Windows; on other systems 65001,
// since their locales are UTF-8).
unsigned AnsiCodePage();

// Whether `codePage` can be decoded here.
bool IsCodePageSupported(unsigned codePage);

// `bytes` decoded from `codePage`; nothing when the code page cannot be
// decoded here. Byte sequences without a mapping become U+FFFD (or the
// system's replacement for that code page) rather than failing.
std::optional<std::u16string> DecodeCodePage(unsigned codePage, std::string_view bytes);

}  // namespace ZEPHYRA_NAMESPACE
