find_package(benchmark REQUIRED)
find_package(ZLIB REQUIRED)
find_library(LIBDEFLATE_LIBRARY deflate REQUIRED)
add_executable(bench_inflate ${CMAKE_CURRENT_SOURCE_DIR}/bench_inflate.cpp)
target_link_libraries(bench_inflate PRIVATE kestrova_inflate kestrova_bmp ZLIB::ZLIB
  ${LIBDEFLATE_LIBRARY} benchmark::benchmark)
