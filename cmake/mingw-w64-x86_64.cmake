# Cross build for 64-bit Windows with mingw-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELM_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER   ${VELM_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELM_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VELM_TRIPLE}-windres)
set(CMAKE_AR           /usr/bin/${VELM_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${VELM_TRIPLE}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${VELM_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The run-time links statically: the programs need no mingw DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# zlib likewise. Named here rather than searched for: the search that finding
# libpng makes prefers the import library of zlib1.dll, and a build folder may
# remember that choice (the release name overrides what its cache holds).
set(ZLIB_LIBRARY /usr/${VELM_TRIPLE}/lib/libz.a)
set(ZLIB_LIBRARY_RELEASE ${ZLIB_LIBRARY})
set(ZLIB_INCLUDE_DIR /usr/${VELM_TRIPLE}/include)

# ccache, when installed (scripts/setup.sh installs it). Its settings travel with
# the command rather than in a user's ccache.conf: files compiled against a
# precompiled header only hit with the pch_defines and time_macros sloppiness,
# and a fresh clone in another folder only finds the objects of the last one
# when paths are taken relative to the tree and the build folder is left out of
# the hash (objects then name the folder they were first built in, in their
# debug information). CCACHE_DISABLE=1 in the environment still turns it off.
find_program(VELM_CCACHE ccache)
if(VELM_CCACHE)
  get_filename_component(velm_tree ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
  set(velm_launcher ${CMAKE_COMMAND} -E env
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      CCACHE_BASEDIR=${velm_tree} CCACHE_NOHASHDIR=1 ${VELM_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${velm_launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${velm_launcher})
endif()

# Third-party libraries built by scripts/deps.sh.
if(NOT DEFINED ENV{VELM_DEPS})
  set(ENV{VELM_DEPS} "$ENV{HOME}/.cache/velmoran/deps")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH $ENV{VELM_DEPS}/prefix)
