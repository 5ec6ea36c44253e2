# Shared settings of the project's scripts (sourced, not run).
VELM_ROOT=${VELM_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
VELM_CACHE=${VELM_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmoran}
VELM_DEPS=$VELM_CACHE/deps
VELM_BUILD_DIR=${VELM_BUILD_DIR:-$VELM_ROOT/build}
case "$VELM_BUILD_DIR" in /*) ;; *) VELM_BUILD_DIR=$VELM_ROOT/$VELM_BUILD_DIR ;; esac
VELM_TRIPLE=x86_64-w64-mingw32
export VELM_ROOT VELM_CACHE VELM_DEPS VELM_BUILD_DIR VELM_TRIPLE
# Wine names host files in the locale's character set: without a UTF-8 locale,
# files with non-ASCII names cannot be made.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
  *UTF-8*|*utf8*) ;;
  *) export LC_ALL=C.UTF-8 ;;
esac
