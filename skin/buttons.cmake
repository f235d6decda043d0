# The skinned push button and check box (Windows build).
if(WIN32 AND TARGET kestrova_framework)
  add_library(kestrova_skin_buttons STATIC
    ${CMAKE_CURRENT_LIST_DIR}/button.cpp
    ${CMAKE_CURRENT_LIST_DIR}/button_classes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/check_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/custom_button.cpp)
  target_link_libraries(kestrova_skin_buttons PUBLIC kestrova_skin)
endif()
