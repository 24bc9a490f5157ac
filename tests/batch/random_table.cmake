# Runs ivgen-batch [--settings SETTINGS] random ARGUMENTS (a ;-list) in a fresh WORKDIR and compares
# its output with EXPECTED/output.out, its errors with ERRORS (when given), its exit status with
# STATUS, and every other file of EXPECTED with the file of that name it wrote to out/.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
set(settings)
if(DEFINED SETTINGS)
  file(WRITE ${WORKDIR}/ivgen.ini "${SETTINGS}")
  set(settings --settings ${WORKDIR}/ivgen.ini)
endif()
execute_process(
  COMMAND ${BATCH} ${settings} random ${ARGUMENTS}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "ivgen-batch random ${ARGUMENTS} ended with ${status}, not ${STATUS}:\n${errors}\n${actual}")
endif()
if(DEFINED ERRORS AND NOT errors STREQUAL "${ERRORS}\n")
  message(FATAL_ERROR "errors differ from '${ERRORS}':\n${errors}")
endif()
if(DEFINED EXPECTED)
  file(READ ${EXPECTED}/output.out expected)
  if(NOT actual STREQUAL expected)
    file(WRITE ${WORKDIR}/actual.out "${actual}")
    message(FATAL_ERROR "output differs from ${EXPECTED}/output.out:\n${actual}")
  endif()
  file(GLOB wanted RELATIVE ${EXPECTED} ${EXPECTED}/*.iv3)
  foreach(name ${wanted})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED}/${name} ${WORKDIR}/out/${name}
                    RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${name} differs from ${EXPECTED}/${name}")
    endif()
  endforeach()
endif()
