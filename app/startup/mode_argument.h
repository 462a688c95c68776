// mode_argument.h -- the setup's optional command-line argument: the
// upper-case hex text of the DES encipherment (ECB, zero-filled last block)
// of the decimal mode value.
#pragma once

#include <string>

#include "app/startup/mode_flags.h"

namespace ZEPHYRA_NAMESPACE {

// The first 8 bytes form the DES key; the rest take no part.
constexpr char kModeArgumentKey[] = "KESTRELWINDOWFLAREMOSS";
// Longest argument the decoder accepts; longer ones decode to nothing.
constexpr size_t kMaxModeArgumentLength = 8192;

// Deciphers the argument text (ANSI bytes, program path already removed)
// and returns the plaintext up to its first zero byte. Never fails: any
// text gives some plaintext.
std::string DecodeModeArgument(const std::string& text);

// The decimal value of the deciphered argument (leading blanks and a sign
// accepted, digits up to the first non-digit, clamped to 32 bits); 0 for an
// empty or over-long text or a plaintext without digits.
ModeFlags ParseModeValue(const std::string& text);

// The argument that carries `plaintext` (normally a decimal mode value):
// ECB encipherment, zero-filled last block, upper-case hex.
std::string EncodeModeArgument(const std::string& plaintext);

// Names of the set bits among the five known ones, e.g. "Unattended|SkipDriver",
// or "Interactive" for 0.
std::string DescribeModeFlags(ModeFlags value);

}  // namespace ZEPHYRA_NAMESPACE
