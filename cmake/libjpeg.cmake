# libjpeg, which decodes the About window's pictures, as the target velora_libjpeg. The native
# build uses the system's. There is no MinGW libjpeg package, nor an arm64 one on the build
# machine, so the cross builds compile the libjpeg-turbo source that scripts/setup.sh fetched, as
# a static library: the Windows plug-in imports nothing but system DLLs. Only the library itself is built, without SIMD (no assembler needed):
# it decodes two small pictures when the About window opens.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(JPEG REQUIRED)
  add_library(velora_libjpeg INTERFACE)
  target_link_libraries(velora_libjpeg INTERFACE JPEG::JPEG)
  return()
endif()

if(DEFINED ENV{VELORA_LIBJPEG_SOURCE})
  set(libjpeg_default_source "$ENV{VELORA_LIBJPEG_SOURCE}")
else()
  set(libjpeg_default_source /var/cache/velora/libjpeg-turbo)
endif()
set(VELORA_LIBJPEG_SOURCE "${libjpeg_default_source}" CACHE PATH
    "The libjpeg-turbo source tree that scripts/setup.sh fetches")
if(NOT EXISTS "${VELORA_LIBJPEG_SOURCE}/jpeglib.h")
  message(FATAL_ERROR "No libjpeg-turbo source in ${VELORA_LIBJPEG_SOURCE}: run scripts/setup.sh "
                      "(or point VELORA_LIBJPEG_SOURCE at a libjpeg-turbo source tree)")
endif()

include(ExternalProject)
set(libjpeg_root ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(libjpeg_library ${libjpeg_root}/lib/libjpeg.a)
file(MAKE_DIRECTORY ${libjpeg_root}/include ${libjpeg_root}/lib)
ExternalProject_Add(libjpeg_turbo
  SOURCE_DIR ${VELORA_LIBJPEG_SOURCE}
  BINARY_DIR ${libjpeg_root}/build
  INSTALL_DIR ${libjpeg_root}
  # A full install prefix, which its package files need, though nothing is installed there.
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
             -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/jpeglib.h <SOURCE_DIR>/jmorecfg.h
                  <SOURCE_DIR>/jerror.h <BINARY_DIR>/jconfig.h <INSTALL_DIR>/include
          COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a <INSTALL_DIR>/lib
  BUILD_BYPRODUCTS ${libjpeg_library})

add_library(velora_libjpeg STATIC IMPORTED GLOBAL)
set_target_properties(velora_libjpeg PROPERTIES IMPORTED_LOCATION ${libjpeg_library}
                                                INTERFACE_INCLUDE_DIRECTORIES ${libjpeg_root}/include)
add_dependencies(velora_libjpeg libjpeg_turbo)
