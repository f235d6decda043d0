if(TARGET kestrova_skin_buttons)
  kestrova_test(skin_buttons_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/buttons_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/buttons_picture_test.cpp
    LIBS kestrova_skin_buttons kestrova_testing)
endif()
