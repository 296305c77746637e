# Sourced by every script that runs Wine: the one place that knows the Wine loader, server, winepath and
# prefix of each architecture. Nothing else calls wine, wineboot, wineserver or winepath by name.
#   brimlow_use ARCH [BUILD_DIR]  settings for ARCH (i686 or x86_64) and its build folder
#                                 (default $BRIMLOW_BUILD_ROOT/ARCH)
#   wine_run PROGRAM ARGS...      runs a Windows program
#   wine_server ARGS...           that architecture's wineserver (-p, -w, -k)
#   wine_path ARGS...             winepath (-w, -u)
#   wine_boot ARGS...             wineboot
#   host_runs ARCH                true when the host can start that architecture's loader
#   choose_arch                   prints the architecture to use, and why on standard error
#   runnable_archs                prints every architecture the host runs, the release one first
# Debian's `wine`, `wineboot` and `winepath` take the 32-bit loader whenever it is installed, even on a
# host whose kernel cannot run 32-bit programs; so the loaders are called directly, with WINELOADER set.
BRIMLOW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BRIMLOW_BUILD_ROOT="${BRIMLOW_BUILD_ROOT:-$BRIMLOW_ROOT/build}"

# Debian and Ubuntu keep the loaders in /usr/lib/wine; elsewhere they are beside `wine64` on the PATH.
wine_dir() {
  if [ -n "${WINE_DIR:-}" ]; then echo "$WINE_DIR"
  elif [ -x /usr/lib/wine/wine64 ] || [ -x /usr/lib/wine/wine ]; then echo /usr/lib/wine
  else dirname "$(command -v wine64 || command -v wine || echo /usr/bin/wine)"
  fi
}

wine_loader_of() {
  case "$1" in
    i686) echo "$(wine_dir)/wine" ;;
    x86_64) echo "$(wine_dir)/wine64" ;;
    *) echo "unknown architecture '$1' (i686 or x86_64)" >&2; return 1 ;;
  esac
}

wine_server_of() {
  local dir name
  dir="$(wine_dir)"
  for name in wineserver64 wineserver32 wineserver; do
    [ -x "$dir/$name" ] && [ "$name" != wineserver32 -o "$1" = i686 ] && { echo "$dir/$name"; return 0; }
  done
  echo "$dir/wineserver"
}

# Starting the loader is the test: packages can be installed on a host whose kernel cannot run them.
host_runs() {
  local loader
  loader="$(wine_loader_of "$1")" || return 1
  [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1
}

runnable_archs() {
  local arch
  for arch in i686 x86_64; do host_runs "$arch" && echo "$arch"; done
  return 0
}

choose_arch() {
  if [ -n "${ARCH:-}" ]; then
    wine_loader_of "$ARCH" >/dev/null || return 1
    if ! host_runs "$ARCH"; then
      echo "ARCH=$ARCH is refused: this host cannot run $ARCH programs ($(wine_loader_of "$ARCH") does not start)." \
           "It runs: $(runnable_archs | tr '\n' ' ')" >&2
      return 1
    fi
    echo "Using $ARCH: chosen with ARCH=$ARCH" >&2
  elif host_runs i686; then
    ARCH=i686
    echo "Using i686, the release build: this host runs 32-bit Windows programs" >&2
  elif host_runs x86_64; then
    ARCH=x86_64
    echo "Using x86_64: this host cannot run 32-bit programs ($(wine_loader_of i686) does not start)" >&2
  else
    echo "Wine does not start on this host: run 'make deps' (scripts/install-deps.sh)" >&2
    return 1
  fi
  echo "$ARCH"
}

brimlow_use() {
  export BRIMLOW_ARCH="$1"
  export BRIMLOW_BUILD_DIR="${2:-$BRIMLOW_BUILD_ROOT/$1}"
  WINELOADER="$(wine_loader_of "$1")" || return 1
  export WINELOADER
  export WINESERVER="$(wine_server_of "$1")"
  export WINEPREFIX="${BRIMLOW_WINEPREFIX:-$BRIMLOW_BUILD_DIR/wineprefix}"
  if [ "$1" = i686 ]; then export WINEARCH=win32; else export WINEARCH=win64; fi
  export WINEDEBUG=-all
  # No Mono/Gecko prompts; a crash must not start the debugger, which waits for ever.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
  # Wine's ANSI code page follows the locale: pin it to 1252.
  export LC_ALL=C.UTF-8
  if [ -f "$BRIMLOW_BUILD_DIR/display" ]; then
    export DISPLAY="$(cat "$BRIMLOW_BUILD_DIR/display")"
  fi
}

wine_run() { "$WINELOADER" "$@"; }
wine_server() { "$WINESERVER" "$@"; }
wine_path() { "$WINELOADER" winepath.exe "$@"; }
wine_boot() { "$WINELOADER" wineboot.exe "$@"; }
