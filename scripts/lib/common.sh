# Shared by the project's scripts: packages, the build, Wine and the X display.
# shellcheck shell=bash
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build"
WINE_DIR=/usr/lib/wine
export WINEPREFIX="${TAMBERLO_WINEPREFIX:-$BUILD/wine-prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# The program runs in the Japanese locale: Wine's ANSI code page is then 932.
JAPANESE=(env LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8)

say() { printf '%s\n' "$*" >&2; }

# Installs, with apt-get, those of the named packages that are missing.
need_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

BUILD_PACKAGES=(cmake make gcc g++ googletest libgtest-dev libx11-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
RUN_PACKAGES=(wine64 fonts-ipafont locales xvfb openbox x11-utils xdotool)

need_japanese_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  say "Generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

build_all() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S "$ROOT" -B "$BUILD/host" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD/host" -j "$jobs"
  cmake -S "$ROOT" -B "$BUILD/windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$BUILD/windows" -j "$jobs"
}

wine64() { "${JAPANESE[@]}" "$WINE_DIR/wine64" "$@"; }
wineserver() { "$WINE_DIR/wineserver" "$@"; }

# The project's own Wine prefix, made on first use.
need_wine_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  say "Creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= wine64 wineboot -i >/dev/null 2>&1 || true
  # A crash ends the process instead of waiting on a dialog.
  wine64 reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
  wineserver -w || true
}

# Starts the Wine server and its system processes once, apart from any test:
# started by a test, they would inherit its output and outlive it.
start_wine_services() {
  wineserver -p
  wine64 cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

# Starts Xvfb with a small window manager on a free display; sets DISPLAY.
start_virtual_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 100); do
    xwininfo -root >/dev/null 2>&1 && break
    sleep 0.1
  done
  openbox >/dev/null 2>&1 &
  OPENBOX_PID=$!
  sleep 0.5
}

stop_virtual_display() {
  [ -n "${OPENBOX_PID:-}" ] && kill "$OPENBOX_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Two small disks for the save tests: a full one and a read-only one. They
# need root; without them those tests say they were skipped.
mount_test_disks() {
  DISKS="$BUILD/test-disks"
  mkdir -p "$DISKS/full" "$DISKS/readonly"
  unmount_test_disks
  # The read-only one holds a file, written before it is made read-only.
  if mount -t tmpfs -o size=64k tmpfs "$DISKS/full" 2>/dev/null &&
    mount -t tmpfs -o size=16k tmpfs "$DISKS/readonly" 2>/dev/null &&
    printf 'kept\r\n' >"$DISKS/readonly/Stay.txt" &&
    mount -o remount,ro "$DISKS/readonly" 2>/dev/null; then
    export TAMBERLO_FULL_DISK="$DISKS/full" TAMBERLO_READONLY_DISK="$DISKS/readonly"
  else
    say "Cannot mount the test disks (not root?): the full-disk and read-only tests are skipped."
  fi
}

unmount_test_disks() {
  [ -n "${DISKS:-}" ] || return 0
  for disk in "$DISKS/full" "$DISKS/readonly"; do
    mountpoint -q "$disk" 2>/dev/null && umount "$disk" 2>/dev/null
  done
  return 0
}
