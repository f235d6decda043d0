kestrova_test(skin_core_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frames_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gradients_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/caption_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/style_table_test.cpp
  LIBS kestrova_skin_core)

if(NOT WIN32)
  kestrova_test(skinart_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skinart_test.cpp
    LIBS kestrova_skinart kestrova_skin_core kestrova_testing)
else()
  kestrova_test(skin_pictures_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pictures_test.cpp
    LIBS kestrova_skin_pictures kestrova_skin_core)
endif()

if(TARGET kestrova_skin)
  kestrova_test(skin_styles_test
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/styles_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/drawing_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/skin_stand_ins.cpp
    LIBS kestrova_skin)
endif()
