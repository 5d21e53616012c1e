#!/bin/bash
# Opens an installer exe ($1) on the current display, waits for its wizard
# window, saves a screenshot of the screen to $2 and ends the installer.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
exe="$1"; shot="$2"
"$TAVRIN_ROOT/scripts/wine-exec.sh" "$exe" &
pid=$!
for _ in $(seq 100); do
  xdotool search --name 'Tavrin安装向导' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1  # let the first paint finish
import -window root "$shot"
echo "run: saved $shot"
kill "$pid" 2>/dev/null
wineserver -k 2>/dev/null
wait "$pid" 2>/dev/null
exit 0
