kestrova_test(raster_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/raster_coverage_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/raster_stroke_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/raster_paint_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/raster_scene_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/raster_shape_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/raster_kept_test.cpp
  LIBS kestrova_raster kestrova_png kestrova_testing)
