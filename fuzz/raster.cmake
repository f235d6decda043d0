# fuzz_raster: drawing commands decoded from bytes, under ASan/UBSan.
add_executable(fuzz_raster ${CMAKE_CURRENT_LIST_DIR}/fuzz_raster.cpp)
target_link_libraries(fuzz_raster PRIVATE kestrova_raster)
target_link_options(fuzz_raster PRIVATE -fsanitize=fuzzer)
