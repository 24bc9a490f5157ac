# Fails when a source reaches another layer's header by a relative path, which would slip past
# the per-layer include folders.
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
foreach(source ${sources})
  file(STRINGS "${source}" climbing REGEX "^[ \t]*#[ \t]*include[ \t]*\"\\.\\.")
  if(climbing)
    message(FATAL_ERROR "${source}: ${climbing}")
  endif()
endforeach()
