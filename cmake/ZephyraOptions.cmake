# Compiler settings shared by every target of the project.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_library(zephyra_options INTERFACE)
target_compile_options(zephyra_options INTERFACE -Wall -Wextra)
target_include_directories(zephyra_options INTERFACE ${PROJECT_SOURCE_DIR})
if(WIN32)
  target_compile_definitions(zephyra_options INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

if(WIN32)
  # Lean executables: every function and datum in a section of its own, and
  # the linker drops what nothing calls.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
  # The same bytes from every build: no link time in the PE header, no
  # build folder in debug information or file-name strings.
  add_link_options(-Wl,--no-insert-timestamp)
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                      -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
endif()

# The shipped setup (the MinSizeRel Windows build) carries no exception
# tables. It catches no exception (a thread that cannot start is a result of
# YdThread::Start), so any exception would end the process either way.
# Nor does it carry type information (about 10 KB): no code of ours asks a
# class its type; window controls answer WindowControlReceiver instead.
if(WIN32 AND CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
  set(ZEPHYRA_NO_EXCEPTIONS ON)
  set(ZEPHYRA_NO_RTTI ON)
  add_compile_options(-fno-exceptions -fno-asynchronous-unwind-tables -fno-unwind-tables -fno-rtti)
  # Our files instantiate the string members they use instead of linking the
  # C++ library's object of all of them (cmake/implicit_strings.h).
  target_compile_options(zephyra_options INTERFACE
    "SHELL:-include ${PROJECT_SOURCE_DIR}/cmake/implicit_strings.h")
endif()

option(ZEPHYRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ZEPHYRA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings in our own code are errors in CI builds (ZEPHYRA_WERROR=ON).
option(ZEPHYRA_WERROR "Treat warnings in project code as errors" OFF)
if(ZEPHYRA_WERROR)
  target_compile_options(zephyra_options INTERFACE -Werror)
endif()

# The 32-bit build's tests run in a guest with a kernel of its own (tests/vm).
# `all` builds only those of the code that differs on 32 bits (pointer-size
# casts, window longs, COM and text-host calls, the install steps' registry
# views); the target i686_tests builds every one (make test-i686).
set(ZEPHYRA_I686_TESTS render_paint_tests ui_manager_tests ui_rich_edit_tests ui_activex_controls_tests
    install_steps_tests CACHE STRING "Test executables of the 32-bit build built by default")
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4 AND BUILD_TESTING)
  add_custom_target(i686_tests)
endif()

# Adds a test executable as one CTest entry; Windows tests run under Wine
# through the cross-compiling emulator, in the wine_session fixture.
function(zephyra_add_test name)
  cmake_parse_arguments(ARG "RTTI" "" "SOURCES;LIBS" ${ARGN})
  # A test marked RTTI tells controls' classes apart with dynamic_cast; the
  # build without type information does not make it (the others run it).
  if(ARG_RTTI AND ZEPHYRA_NO_RTTI)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  if(TARGET i686_tests)
    add_dependencies(i686_tests ${name})
    if(NOT name IN_LIST ZEPHYRA_I686_TESTS)
      set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL TRUE)
    endif()
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} zephyra_gtest_main zephyra_options)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  # A hung test (a window waiting for input, a child never ending) fails
  # after five minutes instead of holding the run; fifteen for the 32-bit
  # build, whose tests run in the guest under software emulation (the rich
  # edit's took 271 s there on a machine at load 2-4, and over 300 s at 4).
  if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    set_tests_properties(${name} PROPERTIES TIMEOUT 900)
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    # Under Wine a test program that dies of a stack overflow can end with
    # exit code 0, so a Windows test passes only when the test framework got
    # to its summary and reported no failure.
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  endif()
endfunction()

# Adds every sub-folder of `dir` that has a CMakeLists.txt.
function(zephyra_add_test_areas dir)
  file(GLOB children LIST_DIRECTORIES true ${dir}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
