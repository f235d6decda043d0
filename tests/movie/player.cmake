# The SWF decoder's and the player's tests (native and under Wine).
kestrova_test(swf_decoder_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/swf_header_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/swf_tags_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/swf_actions_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/swf_bitmap_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/swf_button_test.cpp
  LIBS kestrova_swf kestrova_swf_writer kestrova_inflate kestrova_testing kestrova_stb)
kestrova_test(player_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/player_test.cpp ${CMAKE_CURRENT_LIST_DIR}/renderer_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_clock_test.cpp ${CMAKE_CURRENT_LIST_DIR}/filter_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/device_shapes_test.cpp ${CMAKE_CURRENT_LIST_DIR}/scale9_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clip_events_test.cpp ${CMAKE_CURRENT_LIST_DIR}/button_test.cpp
  LIBS kestrova_player kestrova_swf_writer kestrova_sample_movies kestrova_testing)

# The reference corpus lives beside the repository (not in it).
if(NOT WIN32)
  set(KESTROVA_SWF_CORPUS "${CMAKE_SOURCE_DIR}/../shared/corpus/swf")
  if(NOT EXISTS ${KESTROVA_SWF_CORPUS})
    set(KESTROVA_SWF_CORPUS "${CMAKE_SOURCE_DIR}/../../shared/corpus/swf")
  endif()
  kestrova_test(swf_corpus_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/corpus_test.cpp
    LIBS kestrova_avm1 kestrova_player kestrova_png kestrova_testing)
  target_compile_definitions(swf_corpus_test PRIVATE KESTROVA_SWF_CORPUS="${KESTROVA_SWF_CORPUS}")
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/movie-corpus)
endif()

kestrova_test(avm1_collector_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/avm1_collector_test.cpp
  LIBS kestrova_avm1 kestrova_swf_writer kestrova_testing)
if(NOT WIN32)
  set(KESTROVA_AVM1_CORPUS "${CMAKE_SOURCE_DIR}/../shared/corpus/avm1")
  if(NOT EXISTS ${KESTROVA_AVM1_CORPUS})
    set(KESTROVA_AVM1_CORPUS "${CMAKE_SOURCE_DIR}/../../shared/corpus/avm1")
  endif()
  target_compile_definitions(avm1_collector_test PRIVATE KESTROVA_AVM1_CORPUS="${KESTROVA_AVM1_CORPUS}")
endif()

if(WIN32)
  kestrova_test(shockwave_flash_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/shockwave_flash_test.cpp
    LIBS kestrova_flash_control kestrova_sample_movies kestrova_testing)
endif()

kestrova_test(avm1_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/avm1_test.cpp ${CMAKE_CURRENT_LIST_DIR}/avm1_values_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/avm1_button_test.cpp ${CMAKE_CURRENT_LIST_DIR}/avm1_displaced_test.cpp
  LIBS kestrova_avm1 kestrova_swf_writer kestrova_testing)

kestrova_test(avm1_effects_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/avm1_effects_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/avm1_filter_classes_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/avm1_filter_conversion_test.cpp
  LIBS kestrova_avm1 kestrova_swf_writer kestrova_sample_movies kestrova_testing)

kestrova_test(avm1_classes_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/avm1_classes_test.cpp ${CMAKE_CURRENT_LIST_DIR}/avm1_idioms_test.cpp
  LIBS kestrova_avm1 kestrova_swf_writer kestrova_testing)

kestrova_test(flash_state_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/flash_state_test.cpp
  LIBS kestrova_flash_state)

# SWF data deflated by zlib itself: the reference, host only.
if(NOT WIN32)
  find_package(ZLIB REQUIRED)
  kestrova_test(swf_zlib_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/swf_zlib_test.cpp
    LIBS kestrova_swf kestrova_swf_writer kestrova_testing ZLIB::ZLIB)
endif()

kestrova_test(avm1_drawing_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/avm1_drawing_test.cpp
  LIBS kestrova_avm1 kestrova_swf_writer kestrova_testing)
