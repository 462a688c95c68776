// utf8_args.cpp -- UTF-8 program arguments.
#include "common/utf8_args.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "common/utf.h"
#endif

namespace ZEPHYRA_NAMESPACE {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) {
    args.push_back(Utf16ToUtf8(ToUtf16(wide[i])));
  }
  ::LocalFree(wide);
  return args;
#else
  return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace ZEPHYRA_NAMESPACE
