# The window program's command line as a terminal sees it: --help and --version print and end
# without a display and without taking the option for a settings file; an unknown option is an
# error with the usage.
#   cmake -DIVGEN=... -DWORKDIR=... -P command_line.cmake
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})

function(expect what status out err)
  execute_process(COMMAND ${IVGEN} ${ARGN} WORKING_DIRECTORY ${WORKDIR}
    RESULT_VARIABLE actual OUTPUT_VARIABLE said ERROR_VARIABLE complained)
  if(NOT actual EQUAL status)
    message(FATAL_ERROR "${what}: ended with ${actual}, not ${status}:\n${said}${complained}")
  endif()
  if(NOT said MATCHES "${out}")
    message(FATAL_ERROR "${what}: standard output does not match '${out}':\n${said}")
  endif()
  if(NOT complained MATCHES "${err}")
    message(FATAL_ERROR "${what}: standard error does not match '${err}':\n${complained}")
  endif()
endfunction()

# No display is set: these must not need one.
set(ENV{QT_QPA_PLATFORM} "")
set(ENV{DISPLAY} "")
expect("--help" 0 "^Usage: ivgen \\[options\\] \\[FILE\\]\n.*--settings <FILE>.*--export-pdf.*/usr/share/doc/ivgen" "^$" --help)
expect("-h" 0 "^Usage: ivgen" "^$" -h)
expect("--version" 0 "^ivgen 3\\.2\\.6 - 2 July 2000\n$" "^$" --version)
expect("an unknown option" 2 "^$" "^ivgen: Unknown option 'bogus'\\.\n\nUsage: ivgen" --bogus)
expect("an unknown option after a settings file" 2 "^$" "^ivgen: Unknown option 'x'\\." my.ini -x)
expect("--export-pdf with one file" 2 "^$" "^ivgen: --export-pdf takes a character file and a PDF file\n" --export-pdf a.iv3)
file(GLOB left ${WORKDIR}/*)
if(left)
  message(FATAL_ERROR "the command line left files behind: ${left}")
endif()
