# Sourced by the scripts that run Windows programs: gives them an X display
# (Xvfb when none is set) and one persistent wineserver, both stopped on exit.
# With "unmanaged", Wine leaves window management to itself: Xvfb has no window
# manager, and a managed window waits seconds for one whenever it is hidden.
velm_session_start() {
  local managed=Y
  [ "${1:-}" = unmanaged ] && managed=N
  export WINEPREFIX=${WINEPREFIX:-$VELM_BUILD_DIR/wineprefix}
  export WINEDEBUG=${WINEDEBUG:--all}
  VELM_XVFB_PID=
  if [ -z "${DISPLAY:-}" ]; then
    local fifo; fifo=$(mktemp -u); mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    VELM_XVFB_PID=$!
    local n; read -r n <"$fifo"; rm -f "$fifo"
    export DISPLAY=:$n
  fi
  mkdir -p "$WINEPREFIX"
  wineserver -p 2>/dev/null || true   # a server already running for this prefix serves as well
  "$VELM_ROOT/scripts/wine.sh" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ \
    /d "$managed" /f >/dev/null 2>&1 || true   # also makes the prefix, once
  trap velm_session_stop EXIT
}
velm_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  [ -n "$VELM_XVFB_PID" ] && kill "$VELM_XVFB_PID" 2>/dev/null || true
}
