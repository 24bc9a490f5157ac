# A game master's export, run as the installed program would be: each sample character's sheet
# as PDF on one page, silent on success, read back as text; a character that cannot be read and a PDF that cannot be written end
# with status 1 and a message naming the file.
#   cmake -DIVGEN=... -DBATCH=... -DPDFTOTEXT=... -DSAMPLES=... -DWORKDIR=... -P export_pdf.cmake
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})

foreach(name greymane lanternjack razorback)
  set(character ${SAMPLES}/${name}.iv3)
  # What the sheet must show, as ivgen-batch reads the character.
  file(WRITE ${WORKDIR}/${name}.ivb "answer \"${character}\"\nopen\nprint StreetName MoneyLeft SkillList\n")
  execute_process(COMMAND ${BATCH} ${WORKDIR}/${name}.ivb OUTPUT_VARIABLE facts RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT facts MATCHES "StreetName=([^\n]+)\nMoneyLeft=([0-9]+)\nSkillList=([^\n]*)")
    message(FATAL_ERROR "ivgen-batch could not read ${name}: ${facts}")
  endif()
  set(street "${CMAKE_MATCH_1}")
  set(money "${CMAKE_MATCH_2}")
  set(skills "${CMAKE_MATCH_3}")

  set(pdf ${WORKDIR}/${name}.pdf)
  execute_process(COMMAND ${IVGEN} --export-pdf ${character} ${pdf} RESULT_VARIABLE status ERROR_VARIABLE said)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "--export-pdf ${name} exited with ${status}: ${said}")
  endif()
  # A game master's loop reads only real errors on standard error.
  if(NOT said STREQUAL "")
    message(FATAL_ERROR "--export-pdf ${name} succeeded but said: ${said}")
  endif()
  # A sample fits one page: nothing spills onto a second.
  get_filename_component(poppler ${PDFTOTEXT} DIRECTORY)
  execute_process(COMMAND ${poppler}/pdfinfo ${pdf} OUTPUT_VARIABLE info)
  if(NOT info MATCHES "Pages: +1\n")
    message(FATAL_ERROR "the PDF of ${name} is not one page:\n${info}")
  endif()
  file(READ ${pdf} head LIMIT 4 HEX)
  if(NOT head STREQUAL "25504446")  # %PDF
    message(FATAL_ERROR "${pdf} does not start with %PDF: ${head}")
  endif()
  execute_process(COMMAND ${PDFTOTEXT} ${pdf} - OUTPUT_VARIABLE text RESULT_VARIABLE status)
  # The sheet's columns break lines where they like; words are what a reader finds.
  string(REGEX REPLACE "[ \n]+" " " text "${text}")
  set(wanted "${street}" "${money}")
  # The list prints as one line: entries between " | ", each a name, its attribute and its rating.
  string(REPLACE " | " ";" entries "${skills}")
  foreach(entry ${entries})
    string(REGEX REPLACE " \\(.*" "" skill "${entry}")
    list(APPEND wanted "${skill}")
  endforeach()
  foreach(word ${wanted})
    string(FIND "${text}" "${word}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the PDF of ${name} lacks \"${word}\":\n${text}")
    endif()
  endforeach()
endforeach()

function(expect_refusal what naming)
  execute_process(COMMAND ${IVGEN} --export-pdf ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE said)
  string(FIND "${said}" "${naming}" at)
  if(NOT status EQUAL 1 OR at EQUAL -1)
    message(FATAL_ERROR "${what}: expected status 1 and a message naming ${naming}, got ${status}: ${said}")
  endif()
endfunction()
expect_refusal("a missing character" ${WORKDIR}/missing.iv3 ${WORKDIR}/missing.iv3 ${WORKDIR}/missing.pdf)
file(MAKE_DIRECTORY ${WORKDIR}/folder.pdf)
expect_refusal("a PDF path that is a folder" ${WORKDIR}/folder.pdf ${SAMPLES}/greymane.iv3 ${WORKDIR}/folder.pdf)
expect_refusal("a PDF in a missing folder" ${WORKDIR}/none/g.pdf ${SAMPLES}/greymane.iv3 ${WORKDIR}/none/g.pdf)
