# Draws DOCUMENT with the command line into OUT and fails unless OUT holds exactly the bytes of EXPECTED:
# what a CAD program reads of the drawing must not change unnoticed.
execute_process(COMMAND ${CLI} draw ${DOCUMENT} -o ${OUT} RESULT_VARIABLE status ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "mirota-cli draw failed (${status}): ${error}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${EXPECTED} RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${OUT} differs from ${EXPECTED}")
endif()
