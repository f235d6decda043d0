# The skin file reader and its inflater, natively and under Wine.
kestrova_test(skinfile_test
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/deflate_writer.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/huffman_tree_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/inflater_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin_archive_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin_file_reader_test.cpp
  LIBS kestrova_skinwrite kestrova_testing)
