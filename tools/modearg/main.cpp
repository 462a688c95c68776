// main.cpp -- modearg: builds and reads the setup's enciphered mode argument.
//   modearg encode <decimal>   prints the argument for that mode value
//   modearg decode <hex>       prints the plaintext, then the mode value and its bits
// Exit codes: see ModeargExit.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/startup/mode_argument.h"
#include "common/utf8_args.h"

namespace {

// Exit codes of modearg; numbers are never reused.
enum ModeargExit : int {
  kModeargOk = 0,
  kModeargBadInput = 1,  // the number or the argument cannot be read
  kModeargUsage = 2,     // wrong sub-command or number of arguments
};

bool IsDecimal(const std::string& text) {
  size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (i >= text.size() || text.size() > 11) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  return value >= -2147483648LL && value <= 2147483647LL;
}

bool IsHex(const std::string& text) {
  if (text.empty() || text.size() > ZEPHYRA_NAMESPACE::kMaxModeArgumentLength) return false;
  for (char c : text) {
    const bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (!digit) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ZEPHYRA_NAMESPACE;
  const std::vector<std::string> args = Utf8Arguments(argc, argv);
  if (args.size() != 2 || (args[0] != "encode" && args[0] != "decode")) {
    std::fprintf(stderr, "usage: modearg encode <decimal>\n       modearg decode <hex>\n");
    return kModeargUsage;
  }
  if (args[0] == "encode") {
    if (!IsDecimal(args[1])) {
      std::fprintf(stderr, "modearg: \"%s\" is not a 32-bit decimal number\n", args[1].c_str());
      return kModeargBadInput;
    }
    std::printf("%s\n", EncodeModeArgument(args[1]).c_str());
    return kModeargOk;
  }
  if (!IsHex(args[1])) {
    std::fprintf(stderr, "modearg: \"%s\" is not a hex argument of at most %zu digits\n", args[1].c_str(),
                 kMaxModeArgumentLength);
    return kModeargBadInput;
  }
  const std::string plain = DecodeModeArgument(args[1]);
  const ModeFlags value = ParseModeValue(args[1]);
  std::string printable;
  for (unsigned char c : plain) {
    if (c >= 0x20 && c < 0x7F) {
      printable.push_back(static_cast<char>(c));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      printable += escaped;
    }
  }
  std::printf("%s\n%d 0x%08X %s\n", printable.c_str(), value, static_cast<unsigned>(value),
              DescribeModeFlags(value).c_str());
  return kModeargOk;
}
