# The payload archive is packed at build time by ydzpack. A native build uses
# its own ydzpack; a cross build (win64, win32) builds the host ydzpack from
# this same source tree in <build>/host-tools and uses that.
# Defines ZEPHYRA_YDZPACK (the command) and ZEPHYRA_YDZPACK_DEPENDS (a target).
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(host_tools_dir ${CMAKE_BINARY_DIR}/host-tools)
  ExternalProject_Add(zephyra_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${host_tools_dir}
    CMAKE_ARGS -DZEPHYRA_HOST_TOOLS_ONLY=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
               -DZEPHYRA_WERROR=${ZEPHYRA_WERROR}
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${host_tools_dir} --target ydzpack
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${host_tools_dir}/tools/ydzpack/ydzpack
    EXCLUDE_FROM_ALL ON)
  set(ZEPHYRA_YDZPACK ${host_tools_dir}/tools/ydzpack/ydzpack)
  set(ZEPHYRA_YDZPACK_DEPENDS zephyra_host_tools)
else()
  set(ZEPHYRA_YDZPACK $<TARGET_FILE:ydzpack>)
  set(ZEPHYRA_YDZPACK_DEPENDS ydzpack)
endif()
