# The file theme's loading side (Windows build): its manager, the skin it
# holds, the folders it searches and the refresh of its users. Joins
# kestrova_skin, defined in styles.cmake (included before this part).
if(TARGET kestrova_skin)
  target_sources(kestrova_skin PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/filetheme/file_theme_mgr.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filetheme/reader_skin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filetheme/theme_folders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filetheme/theme_refresh.cpp)
  target_link_libraries(kestrova_skin PUBLIC kestrova_skinfile)
endif()
