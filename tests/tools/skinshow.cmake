# The skin show program run under Wine: its screenshots in every style and
# with every sample skin, its command line, and its form restyled in-process.
if(TARGET KestrovaSkinShow)
  kestrova_test(skinshow_test
    SOURCES
      ${CMAKE_CURRENT_SOURCE_DIR}/skinshow_test.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/skinshow_form_test.cpp
      ${CMAKE_SOURCE_DIR}/tools/skinshow/skin_show_form.cpp
      ${CMAKE_SOURCE_DIR}/tools/skinshow/skin_show_menu.cpp
    LIBS kestrova_skin_form kestrova_skin_buttons kestrova_testing)
  target_compile_definitions(skinshow_test PRIVATE
    KESTROVA_SKINSHOW_EXE="$<TARGET_FILE:KestrovaSkinShow>")
  add_dependencies(skinshow_test KestrovaSkinShow)
endif()
