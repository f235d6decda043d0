# kestrova-mkswf and kestrova-swf2png, end to end on the host build.
if(NOT WIN32)
  add_test(NAME movie_tools_cli
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/movie_cli_test.sh $<TARGET_FILE:kestrova-mkswf>
            $<TARGET_FILE:kestrova-swf2png>)
endif()
