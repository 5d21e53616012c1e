# Sourced by the other scripts: where builds, the compiled locale and the Wine
# prefix live, and the environment Wine runs with.
#
# The product is a 32-bit exe. Some Linux hosts run no 32-bit user code at all
# (i386 execve fails with ENOEXEC), so 32-bit Wine cannot start there; on such
# a host the tests run the x86-64 build of the same sources under 64-bit Wine.
# TAVRIN_TEST_ARCH=i686|x86_64 overrides the probe.
TAVRIN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TAVRIN_BUILD="$TAVRIN_ROOT/build"
TAVRIN_LOCALE_DIR="$TAVRIN_BUILD/locale"

tavrin_probe_arch() {
  if [ -n "${TAVRIN_TEST_ARCH:-}" ]; then
    echo "$TAVRIN_TEST_ARCH"
  elif /lib/i386-linux-gnu/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo i686
  else
    echo x86_64
  fi
}
TAVRIN_ARCH="$(tavrin_probe_arch)"
if [ "$TAVRIN_ARCH" = i686 ]; then
  export WINEARCH=win32; TAVRIN_WINE=wine
else
  export WINEARCH=win64; TAVRIN_WINE=/usr/lib/wine/wine64
fi
export WINEPREFIX="$TAVRIN_BUILD/wine-$WINEARCH"
export WINEDEBUG=-all
# No Mono/Gecko prompts; shortcuts are not mirrored into the Linux menu.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Runs a command with the Chinese locale that gives Wine the ANSI code page
# 936. LC_ALL is set for Wine only: Linux tools keep the caller's locale.
wine_env() {
  LOCPATH="$TAVRIN_LOCALE_DIR" LC_ALL=zh_CN.UTF-8 "$@"
}

# Configures (once) and builds one architecture into build/<arch>: the
# targets named after it, or everything.
tavrin_build() {
  local arch="$1" dir="$TAVRIN_BUILD/$1"; shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$TAVRIN_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$TAVRIN_ROOT/cmake/toolchain-$arch-mingw.cmake" >/dev/null
  fi
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
