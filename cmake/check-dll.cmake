# Checks the shipped plug-in as the player will load it: a PE32 library for i386 with exactly
# one export, winampDSPGetHeader2, that imports nothing but system DLLs.
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${DLL}")
endif()

if(NOT dump MATCHES "file format pei-i386")
  message(FATAL_ERROR "${DLL} is not a PE32 library for i386")
endif()
if(NOT dump MATCHES "Magic[ \t]+010b")
  message(FATAL_ERROR "${DLL} has no PE32 optional header")
endif()

string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([ \t]+\\[[^\n]*\n)*)" table "${dump}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" exports "${CMAKE_MATCH_1}")
list(LENGTH exports count)
if(NOT count EQUAL 1 OR NOT exports MATCHES "\\] winampDSPGetHeader2$")
  message(FATAL_ERROR "${DLL} must export only winampDSPGetHeader2, exports: ${exports}")
endif()

# Library names are matched without regard to case, as the loader matches them.
set(system_dlls KERNEL32.DLL USER32.DLL GDI32.DLL MSVCRT.DLL COMCTL32.DLL SHELL32.DLL
    COMDLG32.DLL ADVAPI32.DLL OLE32.DLL OLEAUT32.DLL UXTHEME.DLL)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" name "${line}")
  string(STRIP "${name}" name)
  string(TOUPPER "${name}" upper)
  list(FIND system_dlls "${upper}" known)
  if(known EQUAL -1)
    if(NOT upper MATCHES "^API-MS-WIN-")
      message(FATAL_ERROR "${DLL} imports ${name}, which is not a system DLL")
    endif()
  endif()
endforeach()
message(STATUS "${DLL}: PE32 i386, one export winampDSPGetHeader2, imports ${imports}")
