# Runs ivgen-batch --check-data on a copy of the bundled catalogs (DATA) whose archetypes.dat is
# replaced by ARCHETYPES, and compares its output with EXPECTED and its exit status with 1.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
file(GLOB catalogs ${DATA}/*.dat ${DATA}/ivgen.ini)
file(COPY ${catalogs} DESTINATION ${WORKDIR})
configure_file(${ARCHETYPES} ${WORKDIR}/archetypes.dat COPYONLY)
execute_process(
  COMMAND ${BATCH} --check-data .
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "ivgen-batch --check-data ended with ${status}, not 1:\n${errors}\n${actual}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${actual}")
endif()
