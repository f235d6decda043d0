# The skinned form frame. The outline scanning and the background tiling are
# portable and built for both targets; the frame itself is Windows only.
add_library(kestrova_skin_form_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/form/picture_region.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form/tile.cpp)
target_link_libraries(kestrova_skin_form_core PUBLIC kestrova_common)

if(WIN32 AND TARGET kestrova_framework)
  add_library(kestrova_skin_form STATIC
    ${CMAKE_CURRENT_LIST_DIR}/form/form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/form_border.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/form_classes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/form_menu_bar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/form_paint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/form_region.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/form_window_proc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/menu_bar.cpp)
  target_link_libraries(kestrova_skin_form PUBLIC kestrova_skin_form_core kestrova_skin
    kestrova_skin_titlebar kestrova_skin_menus)
endif()
