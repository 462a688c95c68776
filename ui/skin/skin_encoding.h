// skin_encoding.h -- which code page a skin's narrow text is read with: the
// one its XML declaration names ("utf-8" -> 65001, "gb2312" -> 936, ...),
// and the system's ANSI code page only when the declaration names none (or
// a name this table does not know, which keeps the old behaviour).
#pragma once

#include <optional>
#include <string_view>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// The Windows code page of an XML encoding name (case-insensitive); nothing
// for an empty or unknown name.
std::optional<unsigned> CodePageOfEncodingName(std::string_view name);

// The code page for a skin whose declaration names `declaredEncoding`
// (empty when there is no declaration or no encoding in it).
unsigned SkinCodePage(std::string_view declaredEncoding, unsigned ansiCodePage);

}  // namespace ZEPHYRA_NAMESPACE
