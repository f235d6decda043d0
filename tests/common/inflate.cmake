# The inflater and zlib streams, with zlib as the reference (host only: the
# Windows build links no zlib).
if(NOT WIN32)
  find_package(ZLIB REQUIRED)
  kestrova_test(inflate_test
    SOURCES
      ${CMAKE_CURRENT_SOURCE_DIR}/deflate_writer.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/huffman_tree_test.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/inflater_test.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/zlib_stream_test.cpp
    LIBS kestrova_inflate kestrova_skinwrite kestrova_testing ZLIB::ZLIB)
endif()
