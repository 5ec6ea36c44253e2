#!/usr/bin/env bash
# Cross-builds the third-party libraries from Debian's source packages into
# $VELM_DEPS/prefix, once per source version (a stamp file marks each).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"

prefix=$VELM_DEPS/prefix
stamps=$VELM_DEPS/stamps
mkdir -p "$prefix" "$stamps" "$VELM_DEPS/src"
toolchain=$VELM_ROOT/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)

src_version() { apt-cache showsrc "$1" 2>/dev/null | awk '/^Version:/{print $2}' | sort -V | tail -1; }

# Unpacks Debian's source of $1 into $VELM_DEPS/src/$1-$2 and prints that folder.
fetch_source() {
  local pkg=$1 ver=$2 dir=$VELM_DEPS/src/$1-$2
  if [ ! -d "$dir" ]; then
    local tmp; tmp=$(mktemp -d "$VELM_DEPS/src/.fetch.XXXX")
    (cd "$tmp" && apt-get source -qq "$pkg=$ver" >/dev/null 2>&1) || { echo "deps: apt-get source $pkg=$ver failed" >&2; exit 1; }
    local unpacked; unpacked=$(find "$tmp" -mindepth 1 -maxdepth 1 -type d | head -1)
    mv "$unpacked" "$dir"; rm -rf "$tmp"
  fi
  echo "$dir"
}

cmake_dep() { # name source-dir extra-args...
  local name=$1 srcdir=$2; shift 2
  local bdir=$VELM_DEPS/build/$name
  rm -rf "$bdir"; mkdir -p "$VELM_DEPS/build"
  cmake -S "$srcdir" -B "$bdir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$bdir.log" 2>&1 \
    && cmake --build "$bdir" -j "$jobs" >>"$bdir.log" 2>&1 \
    && cmake --install "$bdir" >>"$bdir.log" 2>&1 \
    || { echo "deps: building $name failed, see $bdir.log" >&2; tail -20 "$bdir.log" >&2; exit 1; }
}

build_expat() {
  local ver; ver=$(src_version expat); local stamp=$stamps/expat-$ver
  [ -f "$stamp" ] && return
  echo "deps: building expat $ver"
  local dir; dir=$(fetch_source expat "$ver")
  local cm=$dir; [ -f "$cm/CMakeLists.txt" ] || cm=$dir/expat
  # Debian's patches test "XML_DTD == 1", as its autotools build defines it; give
  # the CMake build the same definition.
  sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' "$cm/expat_config.h.cmake"
  cmake_dep expat "$cm" -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
    -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_PKGCONFIG=OFF -DEXPAT_MSVC_STATIC_CRT=OFF
  touch "$stamp"
}

build_libpng() {
  local ver; ver=$(src_version libpng1.6); local stamp=$stamps/libpng-$ver
  [ -f "$stamp" ] && return
  echo "deps: building libpng $ver"
  local dir; dir=$(fetch_source libpng1.6 "$ver")
  # -fexceptions: the decoder's error callback throws a C++ exception through libpng's C frames.
  cmake_dep libpng "$dir" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DCMAKE_C_FLAGS="-fexceptions" -DZLIB_LIBRARY=/usr/$VELM_TRIPLE/lib/libz.a \
    -DZLIB_INCLUDE_DIR=/usr/$VELM_TRIPLE/include -DPNG_ARM_NEON=off
  touch "$stamp"
}

build_minizip() {
  local ver; ver=$(src_version zlib); local stamp=$stamps/minizip-$ver
  [ -f "$stamp" ] && return
  echo "deps: building minizip from zlib $ver"
  local dir; dir=$(fetch_source zlib "$ver")
  local mz=$dir/contrib/minizip bdir=$VELM_DEPS/build/minizip
  rm -rf "$bdir"; mkdir -p "$bdir" "$prefix/include/minizip" "$prefix/lib"
  for f in ioapi unzip zip; do
    $VELM_TRIPLE-gcc-posix -O2 -fexceptions -DNOCRYPT -DNOUNCRYPT -I"$mz" -c "$mz/$f.c" -o "$bdir/$f.o"
  done
  $VELM_TRIPLE-ar rcs "$prefix/lib/libminizip.a" "$bdir"/*.o
  cp "$mz"/ioapi.h "$mz"/unzip.h "$mz"/zip.h "$prefix/include/minizip/"
  touch "$stamp"
}

build_googletest() {
  local ver; ver=$(dpkg-query -W -f='${Version}' googletest); local stamp=$stamps/googletest-$ver
  [ -f "$stamp" ] && return
  echo "deps: building googletest $ver"
  cmake_dep googletest /usr/src/googletest -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF \
    -DCMAKE_CXX_FLAGS="-D__USE_MINGW_ANSI_STDIO=0"
  touch "$stamp"
}

build_expat
build_libpng
build_minizip
build_googletest
