# The packager's command line, end to end on the host build.
if(NOT WIN32)
  add_test(NAME pack_cli
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/pack_cli_test.sh $<TARGET_FILE:kestrova-pack>)
endif()
