# Runs a sample's script in a fresh folder; the character it saves there must equal SAMPLE. The
# script prints the pages' markers of a finished character; none may show a point left or overspent.
# To rebuild a sample after a catalog change: run the script with build/bin/ivgen-batch and copy
# the .iv3 it saves into data/samples/.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${BATCH} ${SCRIPT} WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ivgen-batch ended with ${status}:\n${errors}\n${output}")
endif()
get_filename_component(name ${SAMPLE} NAME)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SAMPLE} ${WORKDIR}/${name} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${name} built by its script differs from data/samples/${name}:\n${output}")
endif()
