# The SWF decoder's and the player's tests (native and under Wine).
find_package(ZLIB REQUIRED)
kestrova_test(swf_decoder_test
  SOURCES swf_header_test.cpp swf_tags_test.cpp swf_actions_test.cpp swf_bitmap_test.cpp
  LIBS kestrova_swf kestrova_swf_writer kestrova_testing kestrova_stb ZLIB::ZLIB)
kestrova_test(player_test
  SOURCES player_test.cpp
  LIBS kestrova_player kestrova_swf_writer kestrova_testing)
