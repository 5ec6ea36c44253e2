#!/usr/bin/env bash
# Set-up, build, and run every test under Wine. Extra arguments go to ctest
# (for instance -R foundation to run some of them).
#
# A test program that fails is run once more on its own: Wine now and then
# loses a process while it starts under a full parallel load (no output, a
# fraction of a second). A test that fails twice fails the run; one that passes
# the second time is named at the end, so a real intermittent fault still shows.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$VELM_ROOT/scripts/build.sh"
. "$VELM_ROOT/scripts/session.sh"
velm_session_start unmanaged
cd "$VELM_BUILD_DIR"
rm -f Testing/Temporary/LastTestsFailed.log
if ctest --output-on-failure --no-tests=error -j "$(nproc)" "$@"; then
  exit 0
fi
failed=$(sed 's/^[0-9]*://' Testing/Temporary/LastTestsFailed.log 2>/dev/null | tr '\n' ' ')
[ -n "$failed" ] || exit 1
echo "Running the failed tests once more, one at a time: $failed"
ctest --output-on-failure --rerun-failed -j 1
echo "Passed on the second run (look for an intermittent fault): $failed"
