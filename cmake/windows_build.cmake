# How the Windows programs are built, beside the definitions of warnings.cmake.
if(WIN32)
  # The programs run on one thread: function statics need no lock, and the
  # guard code of libstdc++ (with the thread runtime's condition variables
  # behind it) stays out of the stub.
  add_compile_options(-fno-threadsafe-statics)
  # Release: small code, unused functions and data dropped, symbols stripped.
  add_compile_options($<$<CONFIG:Release>:-ffunction-sections> $<$<CONFIG:Release>:-fdata-sections>)
  set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections> $<$<CONFIG:Release>:-s>)
endif()
