kestrova_test(skin_form_core_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_region_test.cpp
  LIBS kestrova_skin_form_core)

if(TARGET kestrova_skin_form AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/form_test.cpp)
  kestrova_test(skin_form_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/form_test.cpp
    LIBS kestrova_skin_form kestrova_testing)
endif()

# The installer window's repaint timed under Wine (bench/form.cmake has the
# host side); run by hand: scripts/wine-run form_repaint_bench.exe [REPEATS].
if(WIN32 AND TARGET kestrova_installer_window)
  add_executable(form_repaint_bench ${PROJECT_SOURCE_DIR}/bench/form_repaint_bench.cpp)
  target_link_libraries(form_repaint_bench PRIVATE kestrova_installer_window
    kestrova_installer_resources kestrova_sample_movies)
endif()
