// What ends the program when an exception reaches no handler (none should: the window procedure catches
// them all). GCC's library ends it through a handler that prints the exception's demangled type on the
// standard error, which a windowed program does not have; linking that handler brings in the whole
// demangler, a tenth of the exe. This one ends the program as the library's would, without printing.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
