# Runs the word table generator into OUTPUT and compares the result byte for
# byte with the COMMITTED table:
#   cmake -DGENERATOR=... -DWORDS=... -DOUTPUT=... -DCOMMITTED=... -P CompareTable.cmake
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${WORDS} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the word table generator failed (${result})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what the generator makes of ${WORDS} (see ${OUTPUT}); "
                      "run the generator again instead of editing the table by hand")
endif()
file(REMOVE ${OUTPUT})
