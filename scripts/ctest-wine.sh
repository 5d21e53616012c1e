#!/bin/bash
# Runs ctest in build folder $1 (further arguments go to ctest) with one
# wineserver for the whole run. Expects DISPLAY (scripts/test.sh runs Xvfb).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
dir="$1"; shift
wineserver -p
# Warm the prefix so the first test does not pay its start-up. The services
# started here inherit stdout, so it must not be a pipe that ctest waits on.
wine_env "$TAVRIN_WINE" cmd /c exit 0 </dev/null >/dev/null 2>&1
(cd "$dir" && ctest --output-on-failure "$@")
rc=$?
wineserver -k
exit $rc
