add_executable(fuzz_bmp ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_bmp.cpp)
target_link_libraries(fuzz_bmp PRIVATE kestrova_bmp)
target_link_options(fuzz_bmp PRIVATE -fsanitize=fuzzer)
