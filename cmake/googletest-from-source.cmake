# GoogleTest for a cross build: Debian ships no MinGW build of it, only its
# source (/usr/src/googletest, package googletest), which is built here with
# the cross compiler and offered under the names find_package(GTest) gives.
set(QUILLMERE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source, for cross builds")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
# Its own code is not held to this project's warning flags.
set_property(DIRECTORY PROPERTY COMPILE_OPTIONS "")
add_subdirectory(${QUILLMERE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT TARGET GTest::gtest)  # recent releases name them so themselves
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
