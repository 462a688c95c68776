// implicit_strings.h -- forced into every file of the shipped setup's build
// (cmake/ZephyraOptions.cmake). The C++ library declares its string classes
// as instantiated in the library, so any use of std::string or std::wstring
// links the library's whole object of members (about 40 KB on 32 bits).
// With the declarations off, each file instantiates the members it uses,
// and the linker keeps those alone. The code is the same either way.
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE 0
