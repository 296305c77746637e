# Sourced by the Wine scripts: the private prefix and the settings every Wine run here uses.
# BRIMLOW_BUILD_DIR names the build folder (default: build/ beside this folder).
BRIMLOW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BRIMLOW_BUILD_DIR="${BRIMLOW_BUILD_DIR:-$BRIMLOW_ROOT/build}"
export WINEPREFIX="${BRIMLOW_WINEPREFIX:-$BRIMLOW_BUILD_DIR/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono/Gecko prompts; a crash must not start the debugger, which waits for ever.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
# Wine's ANSI code page follows the locale: pin it to 1252.
export LC_ALL=C.UTF-8
if [ -f "$BRIMLOW_BUILD_DIR/display" ]; then
  export DISPLAY="$(cat "$BRIMLOW_BUILD_DIR/display")"
fi
