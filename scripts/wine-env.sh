# Sourced by every script that runs Wine: the one place that knows the Wine loader, server, winepath and
# prefix of each architecture. Nothing else calls wine, wineboot, wineserver or winepath by name.
#   brimlow_use ARCH [BUILD_DIR]  settings for ARCH (i686 or x86_64) and its build folder
#                                 (default $BRIMLOW_BUILD_ROOT/ARCH)
#   wine_run PROGRAM ARGS...      runs a Windows program
#   wine_server ARGS...           that architecture's wineserver (-p, -w, -k)
#   wine_path ARGS...             winepath (-w, -u)
#   wine_boot ARGS...             wineboot
#   host_runs ARCH                true when the host starts that architecture's loader itself
#   host_emulates ARCH            true when it runs i686 only under emulation (qemu-i386)
#   choose_arch                   prints the architecture to use, and why on standard error
#   runnable_archs                prints every architecture the host runs, the release one first
# BRIMLOW_ARCH=i686|x86_64 picks the architecture (ARCH, which shells often set, is not read).
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
# (WINELOADERNOEXEC, set for emulation, would make it take --version for a program's name.)
host_runs() {
  local loader
  loader="$(wine_loader_of "$1")" || return 1
  [ -x "$loader" ] && env -u WINELOADERNOEXEC "$loader" --version >/dev/null 2>&1
}

host_emulates() {
  [ "$1" = i686 ] && ! host_runs i686 && host_runs x86_64 && command -v qemu-i386 >/dev/null 2>&1 &&
    [ -d /usr/lib/i386-linux-gnu/wine/i386-windows ]
}

runnable_archs() {
  local arch
  for arch in i686 x86_64; do host_runs "$arch" && echo "$arch"; done
  return 0
}

choose_arch() {
  local arch="${BRIMLOW_ARCH:-}"
  if [ -n "$arch" ]; then
    wine_loader_of "$arch" >/dev/null || return 1
    if host_emulates "$arch"; then
      echo "Using $arch under emulation (chosen with BRIMLOW_ARCH): this host cannot start 32-bit programs," \
           "so the 32-bit loader runs under qemu-i386 and takes about a minute to start" >&2
    elif ! host_runs "$arch"; then
      echo "BRIMLOW_ARCH=$arch is refused: this host cannot run $arch programs ($(wine_loader_of "$arch") does not" \
           "start, and qemu-i386 is not installed). It runs: $(runnable_archs | tr '\n' ' ')" >&2
      return 1
    else
      echo "Using $arch: chosen with BRIMLOW_ARCH=$arch" >&2
    fi
  elif host_runs i686; then
    arch=i686
    echo "Using i686, the release build: this host runs 32-bit Windows programs" >&2
  elif host_runs x86_64; then
    arch=x86_64
    echo "Using x86_64: this host cannot run 32-bit programs ($(wine_loader_of i686) does not start)" >&2
  else
    echo "Wine does not start on this host: run 'make deps' (scripts/install-deps.sh)" >&2
    return 1
  fi
  echo "$arch"
}

# Where 32-bit programs can't start, the 32-bit loader runs under qemu-i386 in a 64-bit prefix, where
# Wine's own processes run natively. Wine starts a program of the other architecture with the loader of
# that name in its own loader's folder, and finds its libraries beside that folder; so the build keeps a
# folder of its own: the 64-bit loader, a copy of the 32-bit one with the script that emulates it, and
# the library folders, the 64-bit one holding the 32-bit Windows libraries Debian keeps apart.
emulated_wine() {
  local root="$1/emulated-wine" unix=/usr/lib/x86_64-linux-gnu/wine
  [ -x "$root/lib/wine/wine" ] && { echo "$root"; return 0; }
  rm -rf "$root"
  mkdir -p "$root/lib/wine" "$root/lib/x86_64-linux-gnu/wine/x86_64-unix" "$root/share"
  cp "$(wine_dir)/wine64" "$root/lib/wine/wine64"
  cp "$(wine_dir)/wine" "$root/lib/wine/wine-i386"
  ln -s "$unix"/x86_64-unix/* "$root/lib/x86_64-linux-gnu/wine/x86_64-unix/"
  # The library folder is found from ntdll's real path: this one must be a copy.
  rm "$root/lib/x86_64-linux-gnu/wine/x86_64-unix/ntdll.so"
  cp "$unix/x86_64-unix/ntdll.so" "$root/lib/x86_64-linux-gnu/wine/x86_64-unix/"
  ln -s "$unix/x86_64-windows" "$root/lib/x86_64-linux-gnu/wine/x86_64-windows"
  ln -s /usr/lib/i386-linux-gnu/wine/i386-windows "$root/lib/x86_64-linux-gnu/wine/i386-windows"
  ln -s /usr/lib/i386-linux-gnu "$root/lib/i386-linux-gnu"
  ln -s /usr/share/wine "$root/share/wine"
  # -0 makes the script the loader's argv[0], so that Wine starts further 32-bit programs through it.
  printf '#!/bin/sh\nexec qemu-i386 -0 "$0" "$(dirname "$0")/wine-i386" "$@"\n' > "$root/lib/wine/wine"
  chmod +x "$root/lib/wine/wine"
  echo "$root"
}

brimlow_use() {
  export BRIMLOW_USED_ARCH="$1"
  export BRIMLOW_BUILD_DIR="${2:-$BRIMLOW_BUILD_ROOT/$1}"
  WINELOADER="$(wine_loader_of "$1")" || return 1
  export WINESERVER="$(wine_server_of "$1")"
  export WINEPREFIX="${BRIMLOW_WINEPREFIX:-$BRIMLOW_BUILD_DIR/wineprefix}"
  if [ "$1" = i686 ]; then export WINEARCH=win32; else export WINEARCH=win64; fi
  unset WINELOADERNOEXEC BRIMLOW_EMULATED
  if host_emulates "$1"; then
    WINELOADER="$(emulated_wine "$BRIMLOW_BUILD_DIR")/lib/wine/wine64"
    export WINESERVER="$(wine_server_of x86_64)" WINEARCH=win64 WINELOADERNOEXEC=1 BRIMLOW_EMULATED=1
    export WINEPREFIX="${BRIMLOW_WINEPREFIX:-$BRIMLOW_BUILD_DIR/wineprefix-emulated}"
  fi
  export WINELOADER
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
