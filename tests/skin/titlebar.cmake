if(TARGET kestrova_skin_titlebar)
  kestrova_test(skin_titlebar_test
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/titlebar_items_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/titlebar_look_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/titlebar_mouse_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/titlebar_repaint_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/skin_stand_ins.cpp
    LIBS kestrova_skin_titlebar kestrova_testing)
endif()
