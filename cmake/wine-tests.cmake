# Running the Windows build's tests on this machine: every test program runs
# under wine (the toolchain's emulator) in a wine prefix of the build's own,
# made afresh by the first test of every ctest run, so no setting or file
# from an earlier run or from the user's own prefix takes part.
set(QUILLMERE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# The corpus runs take minutes under wine and exercise the engine, which is
# the same code on every system: they are left to the Linux build.
set(QUILLMERE_WINE_ENVIRONMENT "WINEPREFIX=${QUILLMERE_WINEPREFIX}" "WINEDEBUG=-all" "WINEDLLOVERRIDES=mscoree,mshtml="
  "QUILLMERE_CORPUS=${CMAKE_BINARY_DIR}/no-corpus")

add_test(NAME wine_prefix
  COMMAND sh -c "wineserver -k 2>/dev/null; rm -rf '${QUILLMERE_WINEPREFIX}' && wineboot -i && wineserver -w")
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${QUILLMERE_WINE_ENVIRONMENT}")

# Registers a test that runs in that prefix.
function(quillmere_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${QUILLMERE_WINE_ENVIRONMENT}")
endfunction()
