# kestrova_test(name SOURCES... LIBS ...): one GoogleTest executable, one CTest
# test. On the Windows build CTest runs it under Wine through the emulator.
set(KESTROVA_TEST_DATA "${CMAKE_SOURCE_DIR}/tests/data")
function(kestrova_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    KESTROVA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    KESTROVA_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
