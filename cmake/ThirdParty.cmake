# Third-party code: zlib, GoogleTest (built from Debian's sources for every
# target), TinyXML (Debian's source package, fetched by scripts/bootstrap) and
# stb_image (header only).
if(WIN32)
  # The setup must be one self-contained executable: link MinGW's static
  # zlib, never the import library of zlib1.dll that FindZLIB prefers.
  find_library(ZEPHYRA_ZLIB_STATIC NAMES libz.a REQUIRED)
  add_library(ZLIB::ZLIB STATIC IMPORTED)
  set_target_properties(ZLIB::ZLIB PROPERTIES IMPORTED_LOCATION ${ZEPHYRA_ZLIB_STATIC})
else()
  find_package(ZLIB REQUIRED)
endif()

set(ZEPHYRA_DEPS_DIR ${PROJECT_SOURCE_DIR}/build/deps CACHE PATH "Folder of fetched third-party sources")

if(BUILD_TESTING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_library(zephyra_gtest_main INTERFACE)
  target_link_libraries(zephyra_gtest_main INTERFACE gtest_main gmock)
endif()

set(TINYXML_DIR ${ZEPHYRA_DEPS_DIR}/tinyxml)
if(EXISTS ${TINYXML_DIR}/tinyxml.cpp)
  add_library(tinyxml STATIC
    ${TINYXML_DIR}/tinystr.cpp ${TINYXML_DIR}/tinyxml.cpp
    ${TINYXML_DIR}/tinyxmlerror.cpp ${TINYXML_DIR}/tinyxmlparser.cpp)
  target_include_directories(tinyxml SYSTEM PUBLIC ${TINYXML_DIR})
  target_compile_definitions(tinyxml PUBLIC TIXML_USE_STL)
  target_compile_options(tinyxml PRIVATE -w)
else()
  message(WARNING "TinyXML sources missing in ${TINYXML_DIR}; run scripts/bootstrap")
endif()

add_library(stb_image INTERFACE)
target_include_directories(stb_image SYSTEM INTERFACE /usr/include/stb)
