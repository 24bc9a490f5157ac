# Each folder of the core is a library that sees only its own headers and those of the layers it
# links. The headers are reached as "<layer>/<file>.h" through a per-layer include folder, so an
# include of a layer that is not linked fails to compile instead of creeping in unnoticed.
function(ivgen_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;DEPS" ${ARGN})
  set(inc ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${inc})
  if(NOT EXISTS ${inc}/${name})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${inc}/${name} SYMBOLIC)
  endif()
  if(L_SOURCES)
    add_library(ivgen_${name} STATIC ${L_SOURCES})
    target_include_directories(ivgen_${name} PUBLIC ${inc})
    target_link_libraries(ivgen_${name} PUBLIC ${L_DEPS})
  else()
    # A layer whose units have not been written yet still takes its place in the stack.
    add_library(ivgen_${name} INTERFACE)
    target_include_directories(ivgen_${name} INTERFACE ${inc})
    target_link_libraries(ivgen_${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# Listing a test program's cases runs it; under Wine on a busy machine its first start can take
# minutes.
if(CMAKE_CROSSCOMPILING)
  set(IVGEN_DISCOVERY_TIMEOUT 600)
else()
  set(IVGEN_DISCOVERY_TIMEOUT 60)
endif()

# One GoogleTest program per layer, linking only that layer.
function(ivgen_layer_test name)
  cmake_parse_arguments(T "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name}_tests ${T_SOURCES})
  target_link_libraries(${name}_tests PRIVATE ${T_DEPS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name}_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name}_tests PRIVATE
    IVGEN_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    IVGEN_BUNDLED_DATA="${CMAKE_SOURCE_DIR}/data")
  set_target_properties(${name}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT ${IVGEN_DISCOVERY_TIMEOUT}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
