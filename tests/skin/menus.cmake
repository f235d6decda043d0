if(TARGET kestrova_skin_menus)
  kestrova_test(skin_menus_test
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/menus_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/menu_popup_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/skin_stand_ins.cpp
    LIBS kestrova_skin_menus kestrova_testing)
endif()

if(TARGET kestrova_skin_form)
  kestrova_test(skin_menu_bar_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/menu_bar_test.cpp
    LIBS kestrova_skin_form kestrova_testing)
endif()
