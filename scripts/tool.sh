#!/usr/bin/env bash
# Set-up, build, and run one of the project's helper programs (benchmarks, the
# build-file fuzzer) under Wine: scripts/tool.sh foundation_bench
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"
[ $# -ge 1 ] || { echo "usage: scripts/tool.sh NAME [arguments]" >&2; exit 2; }
name=$1; shift
"$VELM_ROOT/scripts/build.sh" "$name"
# A build folder may still hold a program from where an older tree built it:
# the one just built is the newest.
exe=$(find "$VELM_BUILD_DIR" -name "$name.exe" -not -path '*/wineprefix/*' -printf '%T@ %p\n' \
      | sort -rn | head -1 | cut -d' ' -f2-)
[ -n "$exe" ] || { echo "no program $name in $VELM_BUILD_DIR" >&2; exit 2; }
. "$VELM_ROOT/scripts/session.sh"
velm_session_start unmanaged
"$VELM_ROOT/scripts/wine.sh" "$exe" "$@"
