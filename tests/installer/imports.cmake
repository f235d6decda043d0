# The import tables of the shipped Windows programs (read with objdump on the
# host, no Wine): Windows' own DLLs only, nothing newer than the oldest
# Windows the README names. Skipped when no Windows build is there.
if(NOT WIN32)
  add_test(NAME shipped_imports
    COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/check-imports ${CMAKE_BINARY_DIR}/..)
  set_tests_properties(shipped_imports PROPERTIES SKIP_RETURN_CODE 77)
endif()
