find_package(ZLIB REQUIRED)
add_executable(fuzz_inflate ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_inflate.cpp)
target_link_libraries(fuzz_inflate PRIVATE kestrova_inflate ZLIB::ZLIB)
target_link_options(fuzz_inflate PRIVATE -fsanitize=fuzzer)

add_executable(fuzz_skinfile ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_skinfile.cpp)
target_link_libraries(fuzz_skinfile PRIVATE kestrova_skinfile)
target_link_options(fuzz_skinfile PRIVATE -fsanitize=fuzzer)
