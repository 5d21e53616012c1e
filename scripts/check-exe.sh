#!/bin/bash
# Checks that an exe imports system DLLs only (a static runtime: an import of
# libwinpthread-1.dll or libstdc++ makes the installer fail on a clean system).
set -euo pipefail
exe="$1"
dlls="$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)"
allowed='^(kernel32|user32|gdi32|gdiplus|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|msimg32|advapi32|msvcrt|uxtheme|api-ms-win-.*)\.dll$'
bad="$(grep -Ev "$allowed" <<<"$dlls" || true)"
if [ -n "$bad" ]; then
  echo "check-exe: $exe imports non-system DLLs: $bad" >&2
  exit 1
fi
echo "check-exe: $(basename "$exe") $(stat -c %s "$exe") bytes, imports: $(tr '\n' ' ' <<<"$dlls")"
