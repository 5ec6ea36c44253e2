#!/usr/bin/env bash
# Runs a Windows program under Wine in the build folder's own prefix (made on
# first use), so tests never touch a user's prefix. CTest's emulator; also the
# way to run one test program by hand: scripts/wine.sh build/foundation/tests/x.exe
set -u
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"
export WINEPREFIX=${WINEPREFIX:-$VELM_BUILD_DIR/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No browser or .NET runtime installers while the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/.velm-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.velm-ready" ]; then
      wineboot -i >/dev/null 2>&1
      touch "$WINEPREFIX/.velm-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
