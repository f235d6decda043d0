# The installation, under Wine against the prefix's real registry, system
# directory and profile files. The probes run one installation each in a
# process of their own, whose reported Windows version a test chooses.
if(WIN32)
  add_executable(installation_probe installation_probe.cpp)
  target_link_libraries(installation_probe PRIVATE kestrova_installation)
  # The same probe declaring itself made for Windows 10, which then reports
  # major version 10.
  add_executable(installation_probe_win10 installation_probe.cpp win10_probe.rc)
  target_link_libraries(installation_probe_win10 PRIVATE kestrova_installation)

  kestrova_test(installation_test
    SOURCES installation_test.cpp version_test.cpp registry_state.cpp ansi_text_test.cpp
    LIBS kestrova_installation kestrova_testing)
  add_dependencies(installation_test installation_probe installation_probe_win10)
endif()

# The same tests in a 64-bit prefix, where the 32-bit installer runs under
# WOW64 (its system directory is redirected to SysWOW64). Only the 32-bit
# build has this case; the 64-bit build's installation_test is the run in the
# 64-bit prefix.
get_filename_component(kestrova_build_root ${CMAKE_BINARY_DIR} DIRECTORY)
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME installation_test_wow64
    COMMAND sh -c "WINEPREFIX=$(\"$0\"/scripts/wine-prefix \"$1\" win64) exec \"$0\"/scripts/wine-run \"$2\" --gtest_brief=1"
      ${CMAKE_SOURCE_DIR} ${kestrova_build_root} $<TARGET_FILE:installation_test>)
  set_tests_properties(installation_test_wow64 PROPERTIES TIMEOUT 600)
endif()

# Helpers of the end-to-end run (scripts/tests.d/installer-e2e): reading a
# message box's texts, making a registry key read-only.
if(WIN32)
  add_executable(window_text window_text.cpp)
  target_link_libraries(window_text PRIVATE kestrova_common gdi32)
  add_executable(key_access key_access.cpp registry_state.cpp)
  target_link_libraries(key_access PRIVATE kestrova_common advapi32)
endif()

# The installer window, with the program's resources (its stored design).
if(WIN32)
  kestrova_test(frm_install_test
    SOURCES frm_install_test.cpp frm_install_look_test.cpp
    LIBS kestrova_installer_window kestrova_installer_resources kestrova_sample_movies
         kestrova_testing)
  # The window extracts from the running program. A payload has no magic
  # number, so the test program's own last bytes could read as one: it ends
  # in an empty trailer (length field 0) instead, as an unpacked stub would.
  add_custom_command(TARGET frm_install_test POST_BUILD
    COMMAND sh -c "head -c 260 /dev/zero >> \"$1\"" sh $<TARGET_FILE:frm_install_test>
    VERBATIM)
endif()
