find_package(benchmark REQUIRED)
add_executable(bench_payload ${CMAKE_CURRENT_SOURCE_DIR}/bench_payload.cpp)
target_link_libraries(bench_payload PRIVATE kestrova_payload benchmark::benchmark)
