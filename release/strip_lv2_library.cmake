# Runs in CPack before packing: strips the LV2 plug-in's library in the staged tree, which the
# install script put there unstripped.
file(GLOB_RECURSE libraries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.so")
foreach(library IN LISTS libraries)
  execute_process(COMMAND strip --strip-unneeded --remove-section=.comment --remove-section=.note "${library}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
