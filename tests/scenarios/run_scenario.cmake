file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(
  COMMAND ${BATCH} --settings ${WORKDIR}/ivgen.ini ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(WRITE ${WORKDIR}/actual.out "${actual}")
set(expected_status 0)
if(EXISTS ${STATUS_FILE})
  file(STRINGS ${STATUS_FILE} expected_status LIMIT_COUNT 1)
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "ivgen-batch ended with ${status}:\n${errors}\n${actual}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${WORKDIR}/actual.out OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${difference}")
endif()
if(IS_DIRECTORY ${FILES})
  file(GLOB wanted RELATIVE ${FILES} ${FILES}/*)
  foreach(name ${wanted})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FILES}/${name} ${WORKDIR}/${name}
                    RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${name} differs from ${FILES}/${name}")
    endif()
  endforeach()
endif()
