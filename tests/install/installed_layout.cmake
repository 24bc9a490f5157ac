# Installs the build into a fresh prefix and runs the installed ivgen-batch from another folder, as
# a player on a shared machine would: the samples open, save the same bytes and print; Options and
# Save Settings write to the player's folder and are read back from there at the next start, while
# the installed files stay as shipped (root can write them, and must not); the build folder's
# programs ignore the player's folder.
# BUILD: the build folder. SOURCE: the source folder. WORKDIR: a scratch folder.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR}/elsewhere)
set(prefix ${WORKDIR}/prefix)
set(config ${WORKDIR}/config)
set(program ${prefix}/lib/ivgen)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
  OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()
set(docs ${prefix}/share/doc/ivgen)
foreach(file bin/ivgen-batch lib/ivgen/ivgen-installed lib/ivgen/gear.dat lib/ivgen/iv.gif lib/ivgen/guide.md
    share/mime/packages/ivgen.xml share/icons/hicolor/48x48/apps/org.ivgen.Ivgen.png
    share/doc/ivgen/README.md share/doc/ivgen/batch.md share/doc/ivgen/data.md share/doc/ivgen/guide.md
    share/doc/ivgen/copyright)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "the install left out ${file}")
  endif()
endforeach()

# The desktop finds the menu entry through the AppStream id, and the icons through both.
set(id org.ivgen.Ivgen)
file(READ ${prefix}/share/metainfo/${id}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<id>${id}</id>" OR NOT metainfo MATCHES "<launchable type=\"desktop-id\">${id}.desktop<")
  message(FATAL_ERROR "the AppStream file names another id or menu entry:\n${metainfo}")
endif()
file(STRINGS ${prefix}/share/applications/${id}.desktop icon REGEX "^Icon=")
file(STRINGS ${prefix}/share/mime/packages/ivgen.xml mime_icon REGEX "<icon ")
if(NOT icon STREQUAL "Icon=${id}" OR NOT mime_icon MATCHES "name=\"${id}\""
    OR NOT EXISTS ${prefix}/share/icons/hicolor/scalable/apps/${id}.svg)
  message(FATAL_ERROR "the menu entry (${icon}) or the file type (${mime_icon}) names an icon not installed")
endif()

# Man pages and the changelog are gzipped without a name or a time, so every build packs the same
# bytes; unpacked, they are the source's.
foreach(packed share/man/man1/ivgen-batch.1.gz:packaging/man/ivgen-batch.1
    share/doc/ivgen/changelog.Debian.gz:packaging/debian/changelog)
  string(REPLACE ":" ";" packed ${packed})
  list(GET packed 0 file)
  list(GET packed 1 original)
  file(READ ${prefix}/${file} header LIMIT 8 HEX)
  if(NOT header STREQUAL "1f8b080000000000")
    message(FATAL_ERROR "${file} is no gzip file without name and time: ${header}")
  endif()
  execute_process(COMMAND gzip -dc ${prefix}/${file} OUTPUT_FILE ${WORKDIR}/unpacked)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORKDIR}/unpacked ${SOURCE}/${original}
    RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${file} does not unpack to ${original}")
  endif()
endforeach()

# Runs the installed ivgen-batch (or PROGRAM) on the script text in the scratch folder elsewhere/,
# with the player's folder under config/; the output lands in `output`.
function(run_batch script)
  cmake_parse_arguments(R "" "PROGRAM;STATUS" "ARGS" ${ARGN})
  if(NOT R_PROGRAM)
    set(R_PROGRAM ${prefix}/bin/ivgen-batch)
  endif()
  if(NOT DEFINED R_STATUS)
    set(R_STATUS 0)
  endif()
  file(WRITE ${WORKDIR}/elsewhere/script.ivb "${script}")
  if(NOT R_ARGS)
    set(R_ARGS script.ivb)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${config} ${R_PROGRAM} ${R_ARGS}
    WORKING_DIRECTORY ${WORKDIR}/elsewhere OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL R_STATUS)
    message(FATAL_ERROR "${R_PROGRAM} ${R_ARGS} ended with ${status}:\n${errors}\n${out}\nscript:\n${script}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

function(expect_output wanted)
  if(NOT output STREQUAL wanted)
    message(FATAL_ERROR "output differs; expected:\n${wanted}\nfound:\n${output}")
  endif()
endfunction()

# The usage names the installed command reference.
run_batch("" ARGS --help)
if(NOT output MATCHES "The commands of a script are described in ([^\n]+)\n$"
    OR NOT CMAKE_MATCH_1 STREQUAL "${docs}/batch.md")
  message(FATAL_ERROR "--help names no installed batch.md:\n${output}")
endif()

# Each sample opens, saves the very bytes it was shipped with, and prints.
file(GLOB samples ${program}/samples/*.iv3)
list(LENGTH samples count)
if(NOT count EQUAL 3)
  message(FATAL_ERROR "three samples should be installed, found: ${samples}")
endif()
foreach(sample ${samples})
  get_filename_component(name ${sample} NAME_WE)
  run_batch("answer \"${sample}\"\nopen\necho ---\nshow-file\necho ---\nprint-sheet ${name}.htm\n")
  string(REGEX REPLACE "^.*\n---\n(.*)---\n.*$" "\\1" shown "${output}")
  # The file is Windows-1252 with CR LF; ivgen-batch prints UTF-8 lines.
  execute_process(COMMAND iconv -f WINDOWS-1252 -t UTF-8 ${SOURCE}/data/samples/${name}.iv3 OUTPUT_VARIABLE bytes)
  string(REPLACE "\r\n" "\n" bytes "${bytes}")
  if(NOT shown STREQUAL bytes)
    message(FATAL_ERROR "${name}.iv3 does not save as it was shipped:\n${shown}")
  endif()
  if(NOT EXISTS ${WORKDIR}/elsewhere/${name}.htm)
    message(FATAL_ERROR "${name}.iv3 printed no sheet:\n${output}")
  endif()
endforeach()
if(EXISTS ${config})
  message(FATAL_ERROR "opening and printing wrote into the player's folder")
endif()

# Options and Save Settings write into the player's folder, created for them.
run_batch("options\noptions-set maxpoints 150\noptions-done\nbooks-select-allowed IV3\nbooks-disallow\nbooks-save\n")
# Compared as hex, since file(READ) would drop the carriage returns.
file(READ ${config}/ivgen/ivgen.ini written HEX)
string(HEX "[Character Generator]\r\nmaxpoints=150\r\nMaxAbsEpts=6\r\nDefaultGIF=\r\nMaxFlawEdge=5\r\n" wanted)
if(NOT written STREQUAL wanted)
  message(FATAL_ERROR "the player's ivgen.ini holds:\n${written}")
endif()
foreach(file ivgen.ini books.dat)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/data/${file} ${program}/${file}
    RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "the installed ${file} was changed")
  endif()
endforeach()
if(EXISTS ${config}/ivgen/booksdat.dat OR EXISTS ${program}/booksdat.dat)
  message(FATAL_ERROR "Save Settings left its scratch file behind")
endif()

# A catalog of the player's folder is read instead of the bundled one.
file(READ ${program}/range.dat ranges)
file(WRITE ${config}/ivgen/range.dat "${ranges}")

# The next start reads them from there, and the catalog checker names them.
run_batch("print maxpoints\nbook-allowed IV3\n")
expect_output("maxpoints=150\nbook-allowed IV3=no\n")
run_batch("" ARGS --check-data STATUS 0)
string(REGEX MATCHALL "using [^\n]*\n" used "${output}")
string(REPLACE "${config}/ivgen/" "" used "${used}")
if(NOT used STREQUAL "using books.dat\n;using range.dat\n;using ivgen.ini\n")
  message(FATAL_ERROR "the checker should name the player's files first:\n${output}")
endif()

# Random characters are made from the player's own archetypes.
file(WRITE ${config}/ivgen/archetypes.dat "#Player's Own\r\nMethod         Priority\r\n")
run_batch("" ARGS random --list)
expect_output("Player's Own | Priority\n")

# A settings file on the command line still comes first.
file(WRITE ${WORKDIR}/elsewhere/given.ini "[Character Generator]\r\nmaxpoints=90\r\n")
run_batch("print maxpoints\n" ARGS --settings given.ini script.ivb)
expect_output("maxpoints=90\n")

# The build folder is no installed layout: the player's folder means nothing to it.
run_batch("print maxpoints\nbook-allowed IV3\n" PROGRAM ${BUILD}/bin/ivgen-batch)
expect_output("maxpoints=120\nbook-allowed IV3=yes\n")
