# The command-line conventions of every tool in one test (host build).
if(NOT WIN32)
  add_test(NAME tools_cli_conventions
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/conventions_test.sh
            $<TARGET_FILE:kestrova-pack> $<TARGET_FILE:kestrova-mkswf>
            $<TARGET_FILE:kestrova-swf2png> $<TARGET_FILE:kestrova-mkskin>
            $<TARGET_FILE:kestrova-gallery> $<TARGET_FILE:kestrova-skinart>
            ${CMAKE_SOURCE_DIR}/tools/installer_icon/make_installer_icon.py)
endif()
