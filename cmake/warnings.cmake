# Warnings are errors on every target and compiler we build with.
add_compile_options(-Wall -Wextra -Werror)
# GCC 12 at -O3 reports false -Wrestrict overlaps inside std::string
# concatenation and false -Wmaybe-uninitialized on engaged std::optional.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-restrict -Wno-maybe-uninitialized)
endif()
if(WIN32)
  # Unicode-free Win32 headers: strings in the code are UTF-8 and go through
  # the W functions explicitly where text is shown; paths are ANSI.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(KESTROVA_FUZZ)
  # Everything built into a fuzz target carries the sanitizers and coverage.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
