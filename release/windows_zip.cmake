# The release, velora-<version>-win32.zip: the shipped 32-bit plug-in, stripped, its install note,
# the licence and the notices of the code linked into the plug-in, all text in CR LF lines, and the
# factory presets in a folder Velora, to be copied into the player's Plugins folder. CPack
# packs it (`cpack` or the target `package`); the build packs it too, so that the zip always holds
# the plug-in just built.
configure_file(INSTALL.txt.in INSTALL.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/THIRD-PARTY.txt THIRD-PARTY.txt @ONLY NEWLINE_STYLE CRLF)
set(texts ${CMAKE_CURRENT_BINARY_DIR}/INSTALL.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE
          ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt)
install(TARGETS dsp_vlra RUNTIME DESTINATION . COMPONENT plugin)
install(FILES ${texts} DESTINATION . COMPONENT plugin)
install(FILES ${VELORA_FACTORY_PRESETS} DESTINATION Velora COMPONENT plugin)

set(release velora-${PROJECT_VERSION}-win32)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${release})
set(CPACK_STRIP_FILES ON)
# Only the plug-in's component, whatever else in the tree may install.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};velora;plugin;/")
include(CPack)

set(zip ${CMAKE_BINARY_DIR}/${release}.zip)
add_custom_command(OUTPUT ${zip}
                   COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
                   DEPENDS dsp_vlra ${texts} ${VELORA_FACTORY_PRESETS}
                   WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
                   COMMENT "Packing ${release}.zip" VERBATIM)
add_custom_target(release_zip ALL DEPENDS ${zip})

add_test(NAME release_zip_contents
         COMMAND ${CMAKE_COMMAND} -DZIP=${zip} -DVERSION=${PROJECT_VERSION} -DOBJDUMP=${CMAKE_OBJDUMP}
                 -DUNPACKED=${CMAKE_CURRENT_BINARY_DIR}/unpacked
                 -DPRESETS=${PROJECT_SOURCE_DIR}/presets
                 -P ${PROJECT_SOURCE_DIR}/cmake/check-release-zip.cmake)
