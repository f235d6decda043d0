add_executable(fuzz_payload ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_payload.cpp)
target_link_libraries(fuzz_payload PRIVATE kestrova_payload)
target_link_options(fuzz_payload PRIVATE -fsanitize=fuzzer)
