# Runs at install time, when the prefix given to `cmake --install --prefix` is known.
if(CMAKE_INSTALL_PREFIX STREQUAL "$ENV{HOME}")
  set(lv2_folder "${CMAKE_INSTALL_PREFIX}/.lv2")
else()
  set(lv2_folder "${CMAKE_INSTALL_PREFIX}/lib/lv2")
endif()
file(INSTALL "${VELORA_LV2_BUNDLE}" DESTINATION "${lv2_folder}" USE_SOURCE_PERMISSIONS)
