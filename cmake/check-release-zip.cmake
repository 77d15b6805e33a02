# Checks the release zip as a user receives it: unpacked, it holds its folder with the plug-in, which
# passes check-dll.cmake and carries its version block, the install note, the licence, the
# third-party notices and the folder Velora with the factory presets of the folder PRESETS, nothing
# else.
if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "${ZIP} is missing: build the target release_zip")
endif()
file(REMOVE_RECURSE "${UNPACKED}")
file(ARCHIVE_EXTRACT INPUT "${ZIP}" DESTINATION "${UNPACKED}")
get_filename_component(folder "${ZIP}" NAME_WLE)
file(GLOB_RECURSE files RELATIVE "${UNPACKED}" "${UNPACKED}/*")
list(SORT files)
file(GLOB presets RELATIVE "${PRESETS}" "${PRESETS}/*.velora")
set(expected "${folder}/INSTALL.txt" "${folder}/LICENSE" "${folder}/THIRD-PARTY.txt" "${folder}/dsp_vlra.dll")
foreach(preset IN LISTS presets)
  list(APPEND expected "${folder}/Velora/${preset}")
endforeach()
list(SORT expected)
if(NOT presets OR NOT files STREQUAL expected)
  message(FATAL_ERROR "${ZIP} must hold ${expected}, holds: ${files}")
endif()

set(DLL "${UNPACKED}/${folder}/dsp_vlra.dll")
include(${CMAKE_CURRENT_LIST_DIR}/check-dll.cmake)

# The version strings are UTF-16 in the resources: each key, its terminating zero, an optional pad
# to four bytes and its value.
function(utf16_hex text out)
  string(HEX "${text}" hex)
  string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
  set(${out} "${hex}0000" PARENT_SCOPE)
endfunction()
file(READ "${DLL}" dll HEX)
foreach(pair IN ITEMS "FileVersion=${VERSION}" "ProductVersion=${VERSION}"
                      "FileDescription=Velora Enhancer DSP plug-in" "ProductName=Velora Enhancer"
                      "OriginalFilename=dsp_vlra.dll")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 key)
  list(GET pair 1 value)
  utf16_hex("${key}" key_hex)
  utf16_hex("${value}" value_hex)
  string(FIND "${dll}" "${key_hex}${value_hex}" unpadded)
  string(FIND "${dll}" "${key_hex}0000${value_hex}" padded)
  if(unpadded EQUAL -1 AND padded EQUAL -1)
    message(FATAL_ERROR "${DLL} has no version string ${key} \"${value}\"")
  endif()
endforeach()

# Notepad shows a text's lines only when each ends in CR LF (CMake text loses the CRs). Each text
# says what it must: the note names the plug-in, the others the licences' required words.
foreach(text_and_words "INSTALL.txt;dsp_vlra\\.dll" "LICENSE;MIT License"
                       "THIRD-PARTY.txt;based in part on the work of the Independent JPEG Group")
  list(GET text_and_words 0 text)
  list(GET text_and_words 1 words)
  file(READ "${UNPACKED}/${folder}/${text}" content)
  file(READ "${UNPACKED}/${folder}/${text}" content_hex HEX)
  string(REGEX REPLACE "(..)" " \\1" content_bytes "${content_hex}")
  string(REPLACE " 0d 0a" "" bytes_without_crlf "${content_bytes}")
  if(bytes_without_crlf MATCHES " 0a" OR NOT content MATCHES "${words}")
    message(FATAL_ERROR "${text} must say \"${words}\" and end every line in CR LF")
  endif()
endforeach()
message(STATUS "${ZIP}: the plug-in with its version block ${VERSION}, the install note and the licences")
