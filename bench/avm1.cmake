# The ActionScript interpreter: a tight loop of 10^6 iterations in one frame.
find_package(benchmark REQUIRED)
add_executable(avm1_bench ${CMAKE_CURRENT_LIST_DIR}/avm1_bench.cpp)
target_link_libraries(avm1_bench PRIVATE kestrova_avm1 kestrova_swf_writer benchmark::benchmark)
