# The skinned frame's pixel work per repaint (tiling, outline scanning). The
# whole window's repaint under Wine is timed by form_repaint_bench (built
# with the Windows tests, tests/skin/form.cmake).
find_package(benchmark REQUIRED)
add_executable(form_bench ${CMAKE_CURRENT_LIST_DIR}/form_bench.cpp)
target_link_libraries(form_bench PRIVATE kestrova_skin_form_core benchmark::benchmark)
