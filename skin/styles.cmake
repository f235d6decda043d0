# The skin engine's portable core (pixel routines, the built-in style table,
# the skin keys), built for both targets.
add_library(kestrova_skin_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/blit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/caption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gradients.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/style_table.cpp)
target_link_libraries(kestrova_skin_core PUBLIC kestrova_common)
