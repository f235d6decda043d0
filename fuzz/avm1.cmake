add_executable(fuzz_avm1 ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_avm1.cpp)
target_link_libraries(fuzz_avm1 PRIVATE kestrova_avm1 kestrova_swf_writer)
target_link_options(fuzz_avm1 PRIVATE -fsanitize=fuzzer)
