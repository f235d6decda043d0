kestrova_test(skin_core_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frames_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gradients_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/caption_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/style_table_test.cpp
  LIBS kestrova_skin_core)
