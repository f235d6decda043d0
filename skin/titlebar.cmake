# The title bar with its sections, buttons and window menu (Windows build).
if(WIN32 AND TARGET kestrova_framework)
  add_library(kestrova_skin_titlebar STATIC
    ${CMAKE_CURRENT_LIST_DIR}/titlebar/titlebar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/titlebar/titlebar_buttons.cpp
    ${CMAKE_CURRENT_LIST_DIR}/titlebar/titlebar_classes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/titlebar/titlebar_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/titlebar/titlebar_mouse.cpp
    ${CMAKE_CURRENT_LIST_DIR}/titlebar/titlebar_paint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/titlebar/titlebar_sections.cpp)
  target_link_libraries(kestrova_skin_titlebar PUBLIC kestrova_skin_menus)
endif()
