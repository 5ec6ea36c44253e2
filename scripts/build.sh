#!/usr/bin/env bash
# Set-up, then configure (once) and build the whole tree into $VELM_BUILD_DIR.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$VELM_ROOT/scripts/setup.sh"
if [ ! -f "$VELM_BUILD_DIR/build.ninja" ]; then
  mkdir -p "$VELM_BUILD_DIR"
  cmake -S "$VELM_ROOT" -B "$VELM_BUILD_DIR" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$VELM_ROOT/cmake/mingw-w64-x86_64.cmake" >"$VELM_BUILD_DIR/configure.log" 2>&1 \
    || { cat "$VELM_BUILD_DIR/configure.log" >&2; exit 1; }
fi
cmake --build "$VELM_BUILD_DIR" -- -k 0 "$@" | grep -vE '^(\[[0-9]+/[0-9]+\] |-- |ninja: no work to do)' || [ "${PIPESTATUS[0]}" -eq 0 ]
