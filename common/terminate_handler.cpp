// The shipped programs' terminate handler. libstdc++'s own handler names the
// type of an escaped exception through the C++ demangler, which alone is
// about 46 KB of every statically linked program; this one says the same
// with the exception's message and no type name. Linked as an object (see
// common/CMakeLists.txt) so that it, not the library's, satisfies the
// default handler's reference.
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  if (std::exception_ptr escaped = std::current_exception()) {
    try {
      std::rethrow_exception(escaped);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "terminate called after an exception: %s\n", e.what());
    } catch (...) {
      std::fputs("terminate called after an exception that is not a std::exception\n", stderr);
    }
  } else {
    std::fputs("terminate called without an active exception\n", stderr);
  }
  std::abort();
}

}  // namespace __gnu_cxx
