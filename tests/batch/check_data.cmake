# Runs ivgen-batch --check-data on FOLDER (relative to WORKDIR), or on SCRIPT when given, and
# compares its output with EXPECTED (a file) or OUTPUT (one line) and its errors with ERRORS (when given) and its exit status
# with STATUS.
if(DEFINED SCRIPT)
  set(arguments ${SCRIPT})
else()
  set(arguments --check-data ${FOLDER})
endif()
execute_process(
  COMMAND ${BATCH} ${arguments}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "ivgen-batch ${arguments} ended with ${status}, not ${STATUS}:\n${errors}\n${actual}")
endif()
if(EXPECTED)
  file(READ ${EXPECTED} expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${actual}")
  endif()
endif()
if(DEFINED OUTPUT AND NOT actual STREQUAL "${OUTPUT}\n")
  message(FATAL_ERROR "output differs from '${OUTPUT}':\n${actual}")
endif()
if(DEFINED ERRORS AND NOT errors STREQUAL "${ERRORS}\n")
  message(FATAL_ERROR "errors differ from '${ERRORS}':\n${errors}")
endif()
