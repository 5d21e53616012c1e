#!/bin/bash
# Installs what building and testing need on a fresh Debian 12 machine (run as
# root) and prepares the Wine prefix under build/. Safe to run again: every
# step checks whether it is already done.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

# Both compilers: the product is i686; x86-64 builds the tests on hosts that
# run no 32-bit code (scripts/env.sh).
PACKAGES=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix cmake make
          wine wine32:i386 wine64 xvfb xauth xdotool imagemagick doctest-dev
          fonts-wqy-microhei locales nsis)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

compile_locale() {
  [ -d "$TAVRIN_LOCALE_DIR/zh_CN.UTF-8" ] && return
  echo "setup: compiling the zh_CN.UTF-8 locale"
  mkdir -p "$TAVRIN_LOCALE_DIR"
  localedef -i zh_CN -f UTF-8 "$TAVRIN_LOCALE_DIR/zh_CN.UTF-8"
}

# Registry settings: CJK faces mapped to an installed font (FontSubstitutes is
# not enough for GDI+), no window-manager round trips under Xvfb, no crash
# dialog that would hang a test.
write_registry() {
  local reg="$TAVRIN_BUILD/tavrin-setup.reg" face
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in 宋体 黑体 新宋体 微软雅黑 楷体 仿宋 SimSun SimHei NSimSun "Microsoft YaHei"; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
  } | iconv -f UTF-8 -t UTF-16 > "$reg"
  wine_env "$TAVRIN_WINE" regedit /S "$reg" </dev/null >/dev/null 2>&1
}

# wineboot links Desktop, Documents … to $HOME; tests must never write there.
unlink_user_folders() {
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ]; then rm "$link"; mkdir -p "$link"; fi
  done
}

make_prefix() {
  [ -f "$WINEPREFIX/.tavrin-ready" ] && return
  echo "setup: creating the Wine prefix"
  rm -rf "$WINEPREFIX"
  mkdir -p "$TAVRIN_BUILD"
  wine_env "$TAVRIN_WINE" wineboot -i </dev/null >/dev/null 2>&1
  wineserver -w
  write_registry
  wineserver -w
  unlink_user_folders
  touch "$WINEPREFIX/.tavrin-ready"
}

install_packages
# The probe needs the i386 loader that the packages bring.
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
compile_locale
make_prefix
echo "setup: ready"
