# Text fields: decoding, layout and drawing (portable core), and the
# TextField and TextFormat objects scripts see.
kestrova_test(text_field_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/text_layout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_drawing_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_script_test.cpp
  LIBS kestrova_avm1 kestrova_player kestrova_swf_writer kestrova_testing)
