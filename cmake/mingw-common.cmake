# Shared part of the MinGW-w64 toolchains: the -posix compilers (the -win32
# ones lack std::thread and std::mutex), the sysroot, and fully static
# executables so that the setup is one file and tests need no DLLs.
find_program(ZEPHYRA_MINGW_CXX ${MINGW_TRIPLET}-g++-posix)
if(NOT ZEPHYRA_MINGW_CXX)
  message(FATAL_ERROR "The MinGW-w64 cross compiler ${MINGW_TRIPLET}-g++-posix is missing: run scripts/bootstrap")
endif()
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
