# The rasterizer against cairo on the same flattened paths (cairo is used
# here only, never by the product).
find_package(benchmark REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
add_executable(raster_bench ${CMAKE_CURRENT_LIST_DIR}/raster_bench.cpp)
target_link_libraries(raster_bench PRIVATE kestrova_raster benchmark::benchmark PkgConfig::CAIRO)
