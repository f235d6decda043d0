# The skin file reader, natively and under Wine.
kestrova_test(skinfile_test
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/skin_archive_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin_file_reader_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin_writer_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/theme_file_search_test.cpp
  LIBS kestrova_skinwrite kestrova_testing)

# Host only: Info-ZIP zip/unzip and the host kestrova-mkskin.
if(NOT WIN32)
  kestrova_test(skinfile_interop_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/skinfile_interop_test.cpp
    LIBS kestrova_skinwrite kestrova_testing)
  add_dependencies(skinfile_interop_test kestrova-mkskin)
endif()

# File themes loading the sample skins under Wine (with a real skinned form
# frame once it is there).
if(TARGET kestrova_skin_buttons)
  kestrova_test(skin_filetheme_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/filetheme_test.cpp
    LIBS kestrova_skin_buttons kestrova_testing)
  if(TARGET kestrova_skin_form)
    target_sources(skin_filetheme_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/filetheme_form_test.cpp)
    target_link_libraries(skin_filetheme_test PRIVATE kestrova_skin_form)
  endif()
endif()
