# Project-wide settings and the helpers every component uses.
set(VELM_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS ON)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "" FORCE)
endif()
# Debug info of a large tree slows the link more than it helps under Wine.
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O2 -g1 -DNDEBUG")
set(CMAKE_C_FLAGS_RELWITHDEBINFO "-O2 -g1 -DNDEBUG")

# ANSI build for Windows 7 and later. The printf family is the system run-time's,
# so %I64d, %ls and friends mean what the Windows run-time makes of them.
add_compile_definitions(
  _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800
  __USE_MINGW_ANSI_STDIO=0 NOMINMAX STRICT)
add_compile_options(-Wall -Wno-unknown-pragmas $<$<COMPILE_LANGUAGE:CXX>:-Wno-invalid-offsetof>)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 1252")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine.sh)
enable_testing()

find_package(GTest CONFIG REQUIRED)
find_package(expat CONFIG QUIET)
find_package(PNG QUIET)
find_library(VELM_ZLIB NAMES libz.a z REQUIRED)
find_library(VELM_MINIZIP NAMES libminizip.a minizip)
find_path(VELM_MINIZIP_INCLUDE minizip/unzip.h)

# velm_add_test(<name> SOURCES ... [LIBS ...] [RESOURCES ...] [NO_MAIN])
# A GoogleTest program run under Wine by CTest; one CTest entry per program.
# Every test program links the shared test support (testsupport/).
function(velm_add_test name)
  cmake_parse_arguments(T "NO_MAIN" "TIMEOUT" "SOURCES;LIBS;RESOURCES" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_RESOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} testsupport GTest::gtest GTest::gmock)
  if(NOT T_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()

# velm_add_tool(<name> SOURCES ... [LIBS ...]): a helper program (benchmarks,
# stand-in tools that tests start), built with the rest but not a test itself.
function(velm_add_tool name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
endfunction()

# The layer order, lowest first; a library may only use layers before its own.
# Entries on one line of the picture (themes and tabs, ribbon and skin) are
# siblings: neither may use the other.
set(VELM_LAYERS platform foundation engine common markup commandbars "themes|tabs"
    "ribbon|skin" uilib app)
function(velm_layer_rank lib out)
  set(rank 0)
  foreach(entry IN LISTS VELM_LAYERS)
    string(REPLACE "|" ";" names "${entry}")
    if(lib IN_LIST names)
      set(${out} ${rank} PARENT_SCOPE)
      return()
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${out} -1 PARENT_SCOPE)
endfunction()

# The layers a library may not use: its own siblings and everything above.
function(velm_forbidden_layers lib out)
  velm_layer_rank(${lib} own)
  set(forbidden)
  if(own GREATER_EQUAL 0)
    set(rank 0)
    foreach(entry IN LISTS VELM_LAYERS)
      string(REPLACE "|" ";" names "${entry}")
      if(rank GREATER own)
        list(APPEND forbidden ${names})
      elseif(rank EQUAL own)
        list(REMOVE_ITEM names ${lib})
        list(APPEND forbidden ${names})
      endif()
      math(EXPR rank "${rank} + 1")
    endforeach()
  endif()
  set(${out} ${forbidden} PARENT_SCOPE)
endfunction()

# velm_check_layers(<library> <deps...>): refuses at configure time a
# dependency on a library that does not stand below it.
function(velm_check_layers lib)
  velm_forbidden_layers(${lib} forbidden)
  foreach(dep IN LISTS ARGN)
    if(dep IN_LIST forbidden)
      message(FATAL_ERROR "layering: '${lib}' may not use '${dep}': "
        "'${dep}' does not stand below '${lib}' in the layer order")
    endif()
  endforeach()
endfunction()

# velm_check_includes(<library> <dir>): every build rescans the library's own
# files, so an include of a higher layer's header fails the build by name
# rather than as a missing file.
function(velm_check_includes lib dir)
  velm_forbidden_layers(${lib} forbidden)
  if(NOT forbidden)
    return()
  endif()
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c ${dir}/*.h)
  string(REPLACE ";" "|" pattern "${forbidden}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${lib}.layers)
  string(REPLACE ";" "\n" listing "${files}")
  file(WRITE ${stamp}.files "${listing}\n")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLIB=${lib} -DPATTERN=${pattern} -DSTAMP=${stamp}
            -DLISTING=${stamp}.files -P ${VELM_CMAKE_DIR}/CheckIncludes.cmake
    DEPENDS ${files} ${VELM_CMAKE_DIR}/CheckIncludes.cmake VERBATIM)
  add_custom_target(${lib}_layers DEPENDS ${stamp})
  add_dependencies(${lib} ${lib}_layers)
endfunction()

# --- Precompiled headers and the shared test base ------------------------------
# Nearly every file of a layer includes the Windows headers, the platform's
# class headers and, in the toolkit, the common layer's drawing and image
# headers; parsing them again for each file was most of a build's time.

# Headers every library precompiles. C files (the PNG glue) get none.
set(VELM_PCH_SYSTEM <windows.h> <string.h> <stdlib.h> <stdio.h>
    <string> <vector> <algorithm> <memory> <map> <utility> <functional>)
# Headers a toolkit layer precompiles, from the layer named on up (the layer's
# own included, because its files include them nearly everywhere too).
set(VELM_PCH_LAYERS common markup)
set(VELM_PCH_common <afxwin.h> <afxtempl.h> <afxdisp.h>)
set(VELM_PCH_markup "markup/TKMarkupObject.h")
# Headers the test programs precompile on top of their library's.
set(VELM_PCH_TESTS <gtest/gtest.h>)

# velm_precompiled_headers(<library> <out>): the headers <library> precompiles.
function(velm_precompiled_headers lib out)
  set(headers ${VELM_PCH_SYSTEM})
  velm_layer_rank(${lib} own)
  if(own GREATER_EQUAL 0)
    foreach(layer IN LISTS VELM_PCH_LAYERS)
      velm_layer_rank(${layer} rank)
      if(rank LESS_EQUAL own)
        list(APPEND headers ${VELM_PCH_${layer}})
      endif()
    endforeach()
  endif()
  set(${out} ${headers} PARENT_SCOPE)
endfunction()

# velm_precompile(<target> <library> [extra headers...]): precompiles the
# headers of <library> and the extra ones for the C++ files of <target>.
function(velm_precompile target lib)
  velm_precompiled_headers(${lib} headers)
  list(APPEND headers ${ARGN})
  # A '>' of <windows.h> would end the generator expression early.
  list(TRANSFORM headers REPLACE ">" "$<ANGLE-R>")
  list(TRANSFORM headers REPLACE "^(.+)$" "$<$<COMPILE_LANGUAGE:CXX>:\\1>")
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# velm_test_base(<library> <tests dir> LIBS ... [PRECOMPILE ...]): the object
# library <library>_testbase that each test program of <library> links: the
# fixtures of tests/Support*.cpp, compiled once instead of once per program,
# and the precompiled headers the programs reuse. It builds with exactly the
# programs' usage requirements, or GCC would refuse to use the header.
function(velm_test_base lib tests_dir)
  cmake_parse_arguments(B "" "" "LIBS;PRECOMPILE" ${ARGN})
  file(GLOB support CONFIGURE_DEPENDS ${tests_dir}/Support*.cpp)
  set(base ${lib}_testbase)
  if(NOT support)
    # The precompiled header needs a target with a source to build it.
    set(support ${CMAKE_CURRENT_BINARY_DIR}/${base}.cpp)
    file(CONFIGURE OUTPUT ${support} CONTENT "// Carries the tests' precompiled headers.\n")
  endif()
  add_library(${base} OBJECT ${support})
  target_link_libraries(${base} PUBLIC ${B_LIBS} testsupport GTest::gtest GTest::gmock
                        GTest::gtest_main)
  target_include_directories(${base} PUBLIC ${tests_dir})
  velm_precompile(${base} ${lib} ${B_PRECOMPILE} ${VELM_PCH_TESTS})
endfunction()

# velm_component(<library> [INCLUDE dir] [DEPS ...] [TEST_DEPS ...] [PRECOMPILE ...])
# The usual shape of a folder: every .cpp/.c beside the CMakeLists.txt (or under
# src/ and its folders by concern, when there is one) forms the static library;
# tests/<Name>Test.cpp each make one test program <library>_<Name>, with
# tests/<Name>Test.rc as its resources when present and tests/Support*.cpp shared
# by all of them (compiled once). The library and its tests precompile the
# headers of velm_precompiled_headers, and PRECOMPILE adds to them.
function(velm_component lib)
  cmake_parse_arguments(C "" "INCLUDE" "DEPS;TEST_DEPS;PRECOMPILE" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(EXISTS ${dir}/src)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/src/*.cpp ${dir}/src/*.c)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c)
  endif()
  if(NOT C_INCLUDE)
    if(EXISTS ${dir}/include)
      set(C_INCLUDE ${dir}/include)
    else()
      set(C_INCLUDE ${dir})
    endif()
  endif()
  velm_check_layers(${lib} ${C_DEPS} ${C_TEST_DEPS})
  set(private_dirs)
  if(sources)
    add_library(${lib} STATIC ${sources})
    target_include_directories(${lib} PUBLIC ${C_INCLUDE})
    if(EXISTS ${dir}/src)
      # Private headers, found by name from any folder of the library.
      file(GLOB_RECURSE private_headers CONFIGURE_DEPENDS ${dir}/src/*.h)
      set(private_dirs ${dir}/src)
      foreach(header IN LISTS private_headers)
        get_filename_component(header_dir ${header} DIRECTORY)
        list(APPEND private_dirs ${header_dir})
      endforeach()
      list(REMOVE_DUPLICATES private_dirs)
      target_include_directories(${lib} PRIVATE ${private_dirs})
    endif()
    # The library's own tests and tools may use its private headers.
    set(${lib}_PRIVATE_DIRS ${private_dirs} PARENT_SCOPE)
    target_link_libraries(${lib} PUBLIC ${C_DEPS})
    velm_precompile(${lib} ${lib} ${C_PRECOMPILE})
  else()
    add_library(${lib} INTERFACE)  # headers only, so far
    target_include_directories(${lib} INTERFACE ${C_INCLUDE})
    target_link_libraries(${lib} INTERFACE ${C_DEPS})
  endif()

  velm_check_includes(${lib} ${dir})

  file(GLOB tests CONFIGURE_DEPENDS ${dir}/tests/*Test.cpp)
  if(tests)
    velm_test_base(${lib} ${dir}/tests LIBS ${lib} ${C_TEST_DEPS} PRECOMPILE ${C_PRECOMPILE})
    # The tests may use the library's private headers.
    target_include_directories(${lib}_testbase PUBLIC ${private_dirs})
  endif()
  foreach(test IN LISTS tests)
    get_filename_component(name ${test} NAME_WE)
    string(REGEX REPLACE "Test$" "" name ${name})
    set(rc)
    if(EXISTS ${dir}/tests/${name}Test.rc)
      set(rc ${dir}/tests/${name}Test.rc)
    endif()
    velm_add_test(${lib}_${name} SOURCES ${test} RESOURCES ${rc}
                  LIBS ${lib}_testbase ${lib} ${C_TEST_DEPS})
    target_include_directories(${lib}_${name} PRIVATE ${dir}/tests)
    target_precompile_headers(${lib}_${name} REUSE_FROM ${lib}_testbase)
  endforeach()
endfunction()
