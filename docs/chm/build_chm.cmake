# Compiles the user guide into "QMR Help.chm" with chmcmd.
#
#   cmake -DCHMCMD=... -DPAGES=docs/help -DPROJECT=docs/chm -DSTAGE=<empty folder>
#         -DOUTPUT=<.../QMR Help.chm> -P build_chm.cmake
#
# chmcmd records the page a context number opens ([ALIAS]) as its full path on
# this machine, STAGE + page, while the page itself is stored under its name
# relative to the help project. So that the numbers still resolve inside the
# compiled file, the pages are stored a second time under that full path
# (without its leading "/"); the contents and every link use the first copy.
cmake_minimum_required(VERSION 3.20)
foreach(variable CHMCMD PAGES PROJECT STAGE OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "build_chm.cmake: ${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
file(COPY "${PAGES}/" DESTINATION "${STAGE}")
file(COPY "${PROJECT}/contents.hhc" DESTINATION "${STAGE}")

string(REGEX REPLACE "^/" "" echo_folder "${STAGE}/")
file(COPY "${PAGES}/" DESTINATION "${STAGE}/${echo_folder}")

file(GLOB_RECURSE guide_files RELATIVE "${PAGES}" "${PAGES}/*")
list(SORT guide_files)
set(extra_files "")
foreach(guide_file IN LISTS guide_files)
  if(guide_file MATCHES "^images/")
    string(APPEND extra_files "${guide_file}\n")
  endif()
  string(APPEND extra_files "${echo_folder}${guide_file}\n")
endforeach()

file(READ "${PROJECT}/quillmere-help.hhp" project_text)
string(REPLACE "Compiled file=QMR Help.chm" "Compiled file=${OUTPUT}" project_text "${project_text}")
string(REPLACE "[FILES]\n" "[FILES]\n${extra_files}" project_text "${project_text}")
file(WRITE "${STAGE}/quillmere-help.hhp" "${project_text}")

get_filename_component(output_folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_folder}")
file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${CHMCMD}" --no-html-scan --verbosity 1 quillmere-help.hhp
  WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR NOT EXISTS "${OUTPUT}" OR out MATCHES "[Ee]rror|corrupt|not found")
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "chmcmd could not compile ${STAGE}/quillmere-help.hhp:\n${out}")
endif()
