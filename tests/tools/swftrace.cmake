# kestrova-swftrace end to end, and the AVM1 trace corpus beside the
# repository scored against a floor of passing movies.
if(NOT WIN32)
  set(KESTROVA_AVM1_SHARED "${CMAKE_SOURCE_DIR}/../shared")
  if(NOT EXISTS ${KESTROVA_AVM1_SHARED}/corpus/avm1)
    set(KESTROVA_AVM1_SHARED "${CMAKE_SOURCE_DIR}/../../shared")
  endif()
  set(KESTROVA_AVM1_FLOOR 63)
  add_test(NAME swftrace_corpus
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/swftrace_cli_test.sh $<TARGET_FILE:kestrova-swftrace>
            ${KESTROVA_AVM1_SHARED}/tools/avm1_score.py ${KESTROVA_AVM1_SHARED}/corpus/avm1
            ${KESTROVA_AVM1_FLOOR})
  set_tests_properties(swftrace_corpus PROPERTIES TIMEOUT 900)
endif()
