# The skinned main and popup menus (Windows build).
if(WIN32 AND TARGET kestrova_framework)
  add_library(kestrova_skin_menus STATIC
    ${CMAKE_CURRENT_LIST_DIR}/menus/flat_border.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/item_drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/main_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/menu_classes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/menu_look.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/popup_menu.cpp)
  target_link_libraries(kestrova_skin_menus PUBLIC kestrova_skin)
endif()
