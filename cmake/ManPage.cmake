# Makes a gzipped manual page from a program's --help with help2man.
#   cmake -DPROGRAM=... -DHELP2MAN=... -DOUT=....1.gz -DVERSION=... -DKIND=cli|vprinter -P ManPage.cmake
# KIND cli adds a COMMANDS section with the help of every command of quillmark.
set(ENV{QM_LANGUAGE} en_US)
set(ENV{QT_QPA_PLATFORM} offscreen)
string(REGEX REPLACE "\\.gz$" "" page "${OUT}")
set(include "${page}.h2m")
file(WRITE "${include}" "")
if(KIND STREQUAL "cli")
  set(summary "configure and check thermal receipt printers from the command line")
  file(APPEND "${include}" "[COMMANDS]\n")
  foreach(command scan list ops run status raw
                  beep cut drawer print feed logo barcode qr network test-page reset)
    execute_process(COMMAND "${PROGRAM}" ${command} --help OUTPUT_VARIABLE text RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "${PROGRAM} ${command} --help failed")
    endif()
    # roff: backslashes doubled, lines starting with . or ' protected.
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    file(APPEND "${include}" ".SS ${command}\n.nf\n${text}.fi\n")
  endforeach()
  file(APPEND "${include}" "[FILES]\nThe same folders as the window program: see QuillmarkSystem(1).\n")
  file(APPEND "${include}" "[SEE ALSO]\nQuillmarkSystem(1), quillmark-virtual-printer(1)\n")
else()
  set(summary "an emulated thermal receipt printer for trying and testing QuillmarkSystem")
  file(APPEND "${include}" "[SEE ALSO]\nQuillmarkSystem(1), quillmark(1)\n")
endif()
execute_process(
  COMMAND "${HELP2MAN}" -N --no-discard-stderr "--version-string=${VERSION}" "--name=${summary}"
          "--include=${include}" "--output=${page}" "${PROGRAM}"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${PROGRAM}")
endif()
# The program's build path stands in the synopsis; the installed name belongs there.
file(READ "${page}" roff)
get_filename_component(dir "${PROGRAM}" DIRECTORY)
string(REPLACE "${dir}/" "" roff "${roff}")
file(WRITE "${page}" "${roff}")
execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${page}")
endif()
