# The Debian package, velora_<version>_amd64.deb: /usr/bin/velora with its manual page and
# /usr/lib/lv2/velora.lv2, as `cmake --install` lays them out under /usr, with the copyright file,
# the changelog and the PipeWire drop-in as an example. Its dependencies are those dpkg-shlibdeps
# finds in the binaries. CPack packs it (`cpack` or the target `package`); the build packs it too,
# as it does the zip.
set(VELORA_MAINTAINER "The Velora developers <velora@example.org>")
set(VERSION ${PROJECT_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/cli/velora.1 velora.1 @ONLY)
configure_file(debian/changelog.in changelog @ONLY)
set(compressed ${CMAKE_CURRENT_BINARY_DIR}/velora.1.gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
# Without the name and time stamp, the package's bytes do not depend on the time of the build.
add_custom_command(OUTPUT ${compressed}
                   COMMAND gzip -9nkf velora.1 changelog
                   DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/velora.1 ${CMAKE_CURRENT_BINARY_DIR}/changelog
                   WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} VERBATIM)
# A component of their own, so that `cmake --install` into a home folder installs no doc folder.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velora.1.gz DESTINATION share/man/man1
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION share/doc/velora
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/lv2/pipewire/velora-filter-chain.conf
        DESTINATION share/doc/velora/examples COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};velora;Unspecified;/"
                                 "${CMAKE_BINARY_DIR};velora;debian;/")
set(CPACK_STRIP_FILES ON)
# As Debian strips its packages: the plug-in's library too, which a script installs.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/strip_binaries.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELORA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "audio enhancer for files and LV2 hosts
Velora thickens the bass and widens and brightens music. This package holds
velora, which enhances audio files, and velora.lv2, the same engine as an LV2
plug-in for Ardour, Carla, Audacity, ffmpeg's lv2 filter or PipeWire's filter
chain. Both give the same samples as the Velora plug-in for the Winamp
player.")
include(CPack)

set(deb ${CMAKE_BINARY_DIR}/velora_${PROJECT_VERSION}_amd64.deb)
add_custom_command(OUTPUT ${deb}
                   COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
                   DEPENDS velora velora_lv2_bundle $<TARGET_FILE:velora> $<TARGET_FILE:velora_lv2>
                           ${VELORA_LV2_BUNDLE}/manifest.ttl ${compressed} debian/copyright
                           ${PROJECT_SOURCE_DIR}/lv2/pipewire/velora-filter-chain.conf
                           ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/cmake_install.cmake
                           strip_binaries.cmake
                   WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
                   COMMENT "Packing velora_${PROJECT_VERSION}_amd64.deb" VERBATIM)
add_custom_target(debian_package ALL DEPENDS ${deb})

find_program(LINTIAN lintian REQUIRED)
add_test(NAME deb_package_lintian COMMAND ${LINTIAN} --fail-on error,warning ${deb})
# In a throw-away overlay of the Debian 12 root that scripts/make-deb-test-root.sh builds.
add_test(NAME deb_package_installs COMMAND ${PROJECT_SOURCE_DIR}/cmake/check-deb-package.sh ${deb})
set_tests_properties(deb_package_lintian deb_package_installs PROPERTIES TIMEOUT 300)
