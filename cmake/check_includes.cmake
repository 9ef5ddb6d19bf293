# Fails when a file of one library includes a header of a library it does not
# link: run by the build before the library compiles, so the layering the
# links state is the layering the code keeps.
#   -DMODULE=engine -DDIR=<src> -DALLOWED="engine;platform" -DSTAMP=<file>
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE files ${DIR}/${MODULE}/*.h ${DIR}/${MODULE}/*.cpp)
set(problems "")
foreach(file IN LISTS files)
  file(STRINGS ${file} includes REGEX "^#include \"[a-z_0-9]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z_0-9]+)/.*" "\\1" used "${line}")
    if(NOT used IN_LIST ALLOWED)
      file(RELATIVE_PATH shown ${DIR} ${file})
      string(APPEND problems "\n  ${shown}: ${line} (${MODULE} may include only: ${ALLOWED})")
    endif()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "An include runs against the libraries' layering:${problems}")
endif()
file(TOUCH ${STAMP})
