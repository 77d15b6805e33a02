# Runs in CPack before packing: strips the staged binaries as Debian's own packages are stripped.
# CMake's stripping does not reach the plug-in's library, which a script installs, and keeps the
# compiler's .comment section; a library loaded by its host needs no executable bit.
file(GLOB_RECURSE libraries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.so")
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(binary IN LISTS libraries programs)
  execute_process(COMMAND strip --strip-unneeded --remove-section=.comment --remove-section=.note "${binary}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(CHMOD ${libraries} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
