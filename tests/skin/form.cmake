kestrova_test(skin_form_core_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_region_test.cpp
  LIBS kestrova_skin_form_core)

if(TARGET kestrova_skin_form AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/form_test.cpp)
  kestrova_test(skin_form_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/form_test.cpp
    LIBS kestrova_skin_form kestrova_testing)
endif()
