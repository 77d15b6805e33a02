# `cmake --install` puts velora.lv2 into ~/.lv2 when the prefix is the home folder and into
# PREFIX/lib/lv2 under any other prefix. Run with -DBUILD=<build folder> -DSCRATCH=<empty folder>.
file(REMOVE_RECURSE "${SCRATCH}")
foreach(case "home;${SCRATCH}/home;${SCRATCH}/home/.lv2" "system;${SCRATCH}/usr;${SCRATCH}/usr/lib/lv2")
  list(GET case 1 prefix)
  list(GET case 2 lv2_folder)
  file(MAKE_DIRECTORY "${SCRATCH}/home")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env HOME=${SCRATCH}/home ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
    RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install --prefix ${prefix} failed")
  endif()
  foreach(file manifest.ttl velora.ttl presets.ttl velora.so)
    if(NOT EXISTS "${lv2_folder}/velora.lv2/${file}")
      message(FATAL_ERROR "cmake --install --prefix ${prefix} did not install ${lv2_folder}/velora.lv2/${file}")
    endif()
  endforeach()
  file(REMOVE_RECURSE "${SCRATCH}")
endforeach()
