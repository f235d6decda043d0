# The skin show program run under Wine: its screenshots in every style and
# with every sample skin, and its command line.
if(TARGET KestrovaSkinShow)
  kestrova_test(skinshow_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/skinshow_test.cpp
    LIBS kestrova_testing)
  target_compile_definitions(skinshow_test PRIVATE
    KESTROVA_SKINSHOW_EXE="$<TARGET_FILE:KestrovaSkinShow>")
  add_dependencies(skinshow_test KestrovaSkinShow)
endif()
