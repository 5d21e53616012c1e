#!/bin/bash
# Builds and runs the benchmarks under Wine on a virtual display and prints
# their figures. Usage: bash scripts/bench.sh [name ...] (default: all).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
source scripts/env.sh
benches=("$@")
[ ${#benches[@]} -gt 0 ] || benches=(render soak startup install)
targets=()
for b in "${benches[@]}"; do targets+=("bench_$b"); done
tavrin_build "$TAVRIN_ARCH" "${targets[@]}"
[ "$TAVRIN_ARCH" = i686 ] || echo "bench: this host runs no 32-bit code; measuring the x86_64 build"
dir="$TAVRIN_BUILD/$TAVRIN_ARCH/bench"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source scripts/env.sh
  wineserver -p
  wine_env "$TAVRIN_WINE" cmd /c exit 0 </dev/null >/dev/null 2>&1
  for exe in "$@"; do wine_env "$TAVRIN_WINE" "$exe.exe"; done
  wineserver -k' bench "${targets[@]/#/$dir/}"
