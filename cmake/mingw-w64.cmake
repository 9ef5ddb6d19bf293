# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compiler (the
# "-posix" flavour, whose C++ library has std::thread and std::mutex).
# Everything is linked statically, so quillmere.exe needs no MinGW or C++
# runtime library beside it. Programs built here run on this machine under
# wine, which is how CMake and CTest are told to start them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLMERE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLMERE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLMERE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLMERE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLMERE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 warns of overlapping copies inside std::string that cannot happen
# (GCC bug 105329), for code as plain as "." + name; only this compiler does.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
