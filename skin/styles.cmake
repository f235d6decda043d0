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

# The framework-facing skin engine (Windows build): styles, drawing helpers,
# the file theme as components see it. Programs linking it get the built-in
# pictures' resources with it. Built once the framework is there.
if(WIN32 AND TARGET kestrova_framework)
  add_library(kestrova_skin STATIC
    ${CMAKE_CURRENT_LIST_DIR}/drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filetheme.cpp
    ${CMAKE_CURRENT_LIST_DIR}/styles.cpp)
  target_link_libraries(kestrova_skin PUBLIC kestrova_skin_core kestrova_framework)
  target_sources(kestrova_skin INTERFACE $<TARGET_OBJECTS:kestrova_skin_pictures>)
endif()
