#!/bin/bash
# CTest's cross-compiling emulator: runs one Windows exe under the project's
# Wine prefix with code page 936. Needs DISPLAY (scripts/test.sh runs Xvfb).
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
wine_env "$TAVRIN_WINE" "$@"
