# Fails when an executable imports a DLL that a copy planted beside it could
# replace. Windows takes a DLL of the import table from the program's own
# folder first unless it is one of its known DLLs, and that happens before
# the program's first line could restrict the search. So the import table
# holds known DLLs only, plus COMCTL32.dll when the manifest binds it as a
# side-by-side assembly (EXE's manifest file in MANIFEST). Everything else
# is loaded at run time from the system folder. Also keeps the program one
# self-contained file (no zlib1.dll, no C++ runtime DLL).
# Usage: cmake -DOBJDUMP=... -DEXE=... [-DMANIFEST=...] -P check_imports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${EXE}")
endif()
# The known DLLs of every Windows from 7 on.
set(known advapi32.dll clbcatq.dll comdlg32.dll gdi32.dll imagehlp.dll imm32.dll kernel32.dll msctf.dll
    msvcrt.dll normaliz.dll nsi.dll ole32.dll oleaut32.dll psapi.dll rpcrt4.dll sechost.dll setupapi.dll
    shell32.dll shlwapi.dll user32.dll wldap32.dll ws2_32.dll)
if(MANIFEST)
  file(READ ${MANIFEST} manifest)
  if(manifest MATCHES "name=\"Microsoft\\.Windows\\.Common-Controls\"")
    list(APPEND known comctl32.dll)
  endif()
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
list(LENGTH names count)
if(count EQUAL 0)
  message(FATAL_ERROR "no imports found in ${EXE}")
endif()
foreach(entry ${names})
  string(REPLACE "DLL Name: " "" dll "${entry}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" lower)
  list(FIND known "${lower}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${EXE} imports ${dll}, which is not a known DLL: a copy beside it would load first")
  endif()
  message(STATUS "import ${dll}")
endforeach()
message(STATUS "${count} imports, all known DLLs")
