#!/bin/bash
# Builds the installer and opens it under Wine. With no DISPLAY it runs on a
# virtual display, waits for the wizard window, saves build/screenshot.png and
# closes it again.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
source scripts/env.sh

tavrin_build i686 TavrinSetup
[ "$TAVRIN_ARCH" = i686 ] || tavrin_build "$TAVRIN_ARCH" TavrinSetup
exe="$TAVRIN_BUILD/$TAVRIN_ARCH/app/TavrinSetup.exe"
if [ "$TAVRIN_ARCH" != i686 ]; then
  echo "run: this host runs no 32-bit code; opening the x86_64 build of the same sources"
fi

if [ -n "${DISPLAY:-}" ]; then
  exec "$TAVRIN_ROOT/scripts/wine-exec.sh" "$exe"
fi
xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/screenshot.sh "$exe" "$TAVRIN_BUILD/screenshot.png"
