# Third-party code: zlib, GoogleTest (built from Debian's sources for every
# target), TinyXML (Debian's source package, fetched by scripts/bootstrap) and
# stb_image (header only).
if(WIN32)
  # The setup must be one self-contained executable: link MinGW's static
  # zlib, never the import library of zlib1.dll that FindZLIB prefers.
  find_library(ZEPHYRA_ZLIB_STATIC NAMES libz.a)
  if(NOT ZEPHYRA_ZLIB_STATIC)
    message(FATAL_ERROR "zlib for MinGW (libz-mingw-w64-dev) is missing: run scripts/bootstrap")
  endif()
  add_library(ZLIB::ZLIB STATIC IMPORTED)
  set_target_properties(ZLIB::ZLIB PROPERTIES IMPORTED_LOCATION ${ZEPHYRA_ZLIB_STATIC})
else()
  find_package(ZLIB REQUIRED)
endif()

set(ZEPHYRA_DEPS_DIR ${PROJECT_SOURCE_DIR}/build/deps CACHE PATH "Folder of fetched third-party sources")

if(BUILD_TESTING)
  if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources (googletest) are missing: run scripts/bootstrap")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_library(zephyra_gtest_main INTERFACE)
  target_link_libraries(zephyra_gtest_main INTERFACE gtest_main gmock)
endif()

set(TINYXML_DIR ${ZEPHYRA_DEPS_DIR}/tinyxml)
if(EXISTS ${TINYXML_DIR}/tinyxml.cpp)
  # Debian's tinyxml.h switches TinyXML's STL interface on unconditionally.
  # That interface gives every node class virtual stream functions, which
  # link the standard streams and every locale facet into whatever parses
  # XML (most of a megabyte in the setup). Our code uses the char interface,
  # so TinyXML is built from a copy of its sources whose header leaves the
  # switch off.
  set(tinyxml_src ${CMAKE_BINARY_DIR}/tinyxml)
  foreach(file tinystr.h tinystr.cpp tinyxml.cpp tinyxmlerror.cpp tinyxmlparser.cpp)
    configure_file(${TINYXML_DIR}/${file} ${tinyxml_src}/${file} COPYONLY)
  endforeach()
  file(READ ${TINYXML_DIR}/tinyxml.h tinyxml_header)
  string(REGEX REPLACE "#ifndef TIXML_USE_STL[ \t\r\n]+#define TIXML_USE_STL[ \t\r\n]+#endif" ""
         tinyxml_header "${tinyxml_header}")
  file(WRITE ${tinyxml_src}/tinyxml.h.new "${tinyxml_header}")
  configure_file(${tinyxml_src}/tinyxml.h.new ${tinyxml_src}/tinyxml.h COPYONLY)
  add_library(tinyxml STATIC
    ${tinyxml_src}/tinystr.cpp ${tinyxml_src}/tinyxml.cpp
    ${tinyxml_src}/tinyxmlerror.cpp ${tinyxml_src}/tinyxmlparser.cpp)
  target_include_directories(tinyxml SYSTEM PUBLIC ${tinyxml_src})
  target_compile_options(tinyxml PRIVATE -w)
  if(WIN32)
    # TinyXML's printing and number reading use plain "%d", "%lf" and "%s":
    # on Windows the C runtime's own functions do, instead of MinGW's
    # portable printf and scanf (about 45 KB in the setup).
    target_compile_definitions(tinyxml PRIVATE __USE_MINGW_ANSI_STDIO=0)
  endif()
else()
  message(FATAL_ERROR "TinyXML sources are missing in ${TINYXML_DIR}: run scripts/bootstrap")
endif()

if(NOT EXISTS /usr/include/stb/stb_image.h)
  message(FATAL_ERROR "stb_image (libstb-dev) is missing: run scripts/bootstrap")
endif()
add_library(stb_image INTERFACE)
target_include_directories(stb_image SYSTEM INTERFACE /usr/include/stb)
