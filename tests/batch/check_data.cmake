# Runs ivgen-batch --check-data on FOLDER (relative to WORKDIR) and compares its output with
# EXPECTED (when given) and its exit status with STATUS.
execute_process(
  COMMAND ${BATCH} --check-data ${FOLDER}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "ivgen-batch --check-data ended with ${status}, not ${STATUS}:\n${errors}\n${actual}")
endif()
if(EXPECTED)
  file(READ ${EXPECTED} expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${actual}")
  endif()
endif()
