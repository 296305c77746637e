#!/usr/bin/env bash
# Prepares an architecture's private Wine prefix and a virtual display for tests, demo and bench.
#   wine-session.sh ARCH prefix   create the prefix if missing
#   wine-session.sh ARCH start    prefix + Xvfb + a persistent wineserver, warmed up
#   wine-session.sh ARCH stop     stop both (Xvfb by its pid)
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
brimlow_use "$1"
mkdir -p "$BRIMLOW_BUILD_DIR"

# A 64-bit prefix holds its 32-bit part wherever Wine's 32-bit loader runs, as a user's does; where it
# runs only under emulation, that part is made under emulation too, so the 64-bit build meets it here.
make_prefix() {
  [ -f "$WINEPREFIX/.brimlow-ready" ] && return 0
  local log="$BRIMLOW_BUILD_DIR/wineboot.log" boot=(env)
  if [ "$BRIMLOW_USED_ARCH" = x86_64 ] && host_emulates i686; then
    boot=(env WINELOADER="$(emulated_wine "$BRIMLOW_BUILD_DIR")/lib/wine/wine64" WINELOADERNOEXEC=1)
  fi
  echo "Creating the $WINEARCH Wine prefix in $WINEPREFIX$([ ${#boot[@]} -gt 1 ] || [ -n "${BRIMLOW_EMULATED:-}" ] &&
    echo " (its 32-bit part under emulation: about two minutes)")"
  rm -rf "$WINEPREFIX"
  if ! DISPLAY= "${boot[@]}" bash -c '"$WINELOADER" wineboot.exe -i' >"$log" 2>&1; then
    echo "wineboot failed to create $WINEPREFIX; its last words:" >&2
    tail -n 20 "$log" >&2
    return 1
  fi
  # Unmanaged windows: without a window manager Wine otherwise waits ~2 s whenever a window hides.
  wine_run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine_server -w
  touch "$WINEPREFIX/.brimlow-ready"
  copy_to_twin
}

# Where the host only emulates 32-bit programs, both builds use a 64-bit prefix made the same way, under
# emulation: the second is a copy of the first, taken before either is used.
copy_to_twin() {
  local twin
  { host_emulates i686 && [ -z "${BRIMLOW_WINEPREFIX:-}" ]; } || return 0
  if [ "$BRIMLOW_USED_ARCH" = x86_64 ]; then twin="$BRIMLOW_BUILD_ROOT/i686/wineprefix-emulated"
  else twin="$BRIMLOW_BUILD_ROOT/x86_64/wineprefix"; fi
  [ -f "$twin/.brimlow-ready" ] && return 0
  mkdir -p "$(dirname "$twin")"
  rm -rf "$twin"
  cp -a --reflink=auto "$WINEPREFIX" "$twin"
}

start_display() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! > "$BRIMLOW_BUILD_DIR/xvfb.pid"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { echo ":$n" > "$BRIMLOW_BUILD_DIR/display"; return 0; }
      sleep 0.1
    done
    kill "$(cat "$BRIMLOW_BUILD_DIR/xvfb.pid")" 2>/dev/null || true
  done
  echo "No free X display for Xvfb" >&2
  return 1
}

stop_session() {
  wine_server -k 2>/dev/null || true
  if [ -f "$BRIMLOW_BUILD_DIR/xvfb.pid" ]; then
    kill "$(cat "$BRIMLOW_BUILD_DIR/xvfb.pid")" 2>/dev/null || true
    rm -f "$BRIMLOW_BUILD_DIR/xvfb.pid"
  fi
  rm -f "$BRIMLOW_BUILD_DIR/display"
}

case "${2:-}" in
  prefix) make_prefix ;;
  start)
    make_prefix
    stop_session
    start_display
    brimlow_use "$1"
    wine_server -p
    wine_run cmd /c exit 0 >/dev/null 2>&1 || true   # warm-up: the first run after start can hang otherwise
    echo "Wine session ($1) on display $DISPLAY" ;;
  stop) stop_session ;;
  *) echo "usage: $0 i686|x86_64 prefix|start|stop" >&2; exit 2 ;;
esac
