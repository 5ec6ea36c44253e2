#!/usr/bin/env bash
# Set-up, build, and run Velmoran under Wine with the given arguments, for
# instance: scripts/run.sh -execute my.velm
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$VELM_ROOT/scripts/build.sh"
exe=$VELM_BUILD_DIR/app/Velmoran.exe
if [ ! -f "$exe" ]; then
  echo "Velmoran.exe is not built yet: the application is not there yet; everything else was built." >&2
  exit 2
fi
. "$VELM_ROOT/scripts/session.sh"
if [ -z "${DISPLAY:-}" ]; then velm_session_start unmanaged; else velm_session_start; fi
set +e
"$VELM_ROOT/scripts/wine.sh" "$exe" "$@"
rc=$?
echo "Velmoran exit code: $rc"
exit $rc
