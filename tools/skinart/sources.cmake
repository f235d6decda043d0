# The picture generator's sources, shared by its host build here and by the
# Windows build, which compiles it with the host compiler (resources/skin).
set(KESTROVA_SKINART_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bmp_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/strips.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/macos_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/winxp_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/deepblue_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/protein_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/blueglass_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shared_art.cpp)
set(KESTROVA_SKINART_MAIN ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
# What the host build of the Windows configuration compiles besides them (the
# host build links kestrova_common and kestrova_cli instead).
set(KESTROVA_SKINART_COMMON_SOURCES ${CMAKE_CURRENT_LIST_DIR}/../../common/bmp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../cli/command_line.cpp)
