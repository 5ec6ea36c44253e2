#!/usr/bin/env bash
# Set-up, build, and run every test under Wine. Extra arguments go to ctest
# (for instance -R foundation to run some of them).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$VELM_ROOT/scripts/build.sh"
. "$VELM_ROOT/scripts/session.sh"
velm_session_start unmanaged
cd "$VELM_BUILD_DIR"
ctest --output-on-failure --no-tests=error -j "$(nproc)" "$@"
