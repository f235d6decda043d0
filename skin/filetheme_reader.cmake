# kestrova_skinfile: the skin archive reader and the skin file search (portable).
add_library(kestrova_skinfile STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/filetheme/binary_file.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/filetheme/skin_archive.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/filetheme/skin_file_reader.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/filetheme/theme_file_search.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/filetheme/zip_crypto.cpp)
target_link_libraries(kestrova_skinfile PUBLIC kestrova_common kestrova_inflate kestrova_bmp)
