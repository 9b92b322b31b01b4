// The updater catches every exception it raises, so std::terminate is reached
// only through a bug. The library's own handler would print the exception's
// demangled type name to a console that a GUI program does not have, and
// brings a name demangler and printf machinery (some 70 KB) into the
// executable for it. Replacing it keeps the updater small.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
