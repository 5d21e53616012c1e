#!/bin/bash
# Builds the installer and runs every test under Wine on a virtual display.
# Usage: bash scripts/test.sh [ctest arguments, e.g. -R install]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
source scripts/env.sh

# The product is always built for i686; the tests run in the architecture
# this host can execute (scripts/env.sh).
tavrin_build i686
if [ "$TAVRIN_ARCH" != i686 ]; then
  echo "test: this host runs no 32-bit code; testing the x86_64 build of the same sources"
  tavrin_build "$TAVRIN_ARCH"
fi
bash scripts/check-exe.sh "$TAVRIN_BUILD/i686/app/TavrinSetup.exe"

xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/ctest-wine.sh "$TAVRIN_BUILD/$TAVRIN_ARCH" "$@"
