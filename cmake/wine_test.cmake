# velora_add_wine_test(NAME COMMAND [ARGUMENTS]...) adds a test that runs Windows programs under
# wine. The win32 flavour's run under 32-bit wine, which a kernel without IA-32 emulation cannot
# start: there scripts/needs-i386.sh reports the test as skipped, with the reason, instead of run.
function(velora_add_wine_test name)
  if(VELORA_FLAVOUR STREQUAL win32)
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/needs-i386.sh ${ARGN})
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
  else()
    add_test(NAME ${name} COMMAND ${ARGN})
  endif()
endfunction()
