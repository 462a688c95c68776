// lean_terminate.cpp -- the setup's terminate handler. The C++ library's
// default one names the uncaught exception's type on stderr, which a
// windowed program does not have, and for that links the whole symbol
// demangler (about 50 KB). This one ends the process the same way, quietly.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
