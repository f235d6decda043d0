# The SWF decoder's and the player's tests (native and under Wine).
find_package(ZLIB REQUIRED)
kestrova_test(swf_decoder_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/swf_header_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/swf_tags_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/swf_actions_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/swf_bitmap_test.cpp
  LIBS kestrova_swf kestrova_swf_writer kestrova_testing kestrova_stb ZLIB::ZLIB)
kestrova_test(player_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/player_test.cpp
  LIBS kestrova_player kestrova_swf_writer kestrova_testing)
