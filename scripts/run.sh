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

# The build file after "-execute" or "-load" (any case), or a bare one, is a
# path of this machine, relative or absolute: the program gets it as Windows
# names it.
windows_path() {
  local full; full=$(realpath -m -- "$1")
  # Wine's drive Z: is the root of this file system.
  winepath -w "$full" 2>/dev/null || printf 'Z:%s\n' "$full" | tr / '\\'
}
args=()
file_next=0
for arg in "$@"; do
  lower=$(printf '%s' "$arg" | tr '[:upper:]' '[:lower:]')
  if [ "$file_next" = 1 ] || { [ "${arg#-}" = "$arg" ] && [ -e "$arg" ]; }; then
    arg=$(windows_path "$arg")
  fi
  file_next=0
  case "$lower" in -execute|-load) file_next=1 ;; esac
  args+=("$arg")
done

set +e
"$VELM_ROOT/scripts/wine.sh" "$exe" "${args[@]+"${args[@]}"}"
rc=$?
echo "Velmoran exit code: $rc"
exit $rc
