#!/usr/bin/env bash
# Installs what building and testing Brimlow needs on Debian or Ubuntu. Safe to run again.
set -euo pipefail

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

packages=(mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32 wine64 fonts-wine fonts-liberation libfreetype6:i386 libxrender1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386 libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 xvfb xauth cmake make googletest imagemagick x11-utils xdotool)

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  [ -n "${updated:-}" ] || { $SUDO apt-get update -qq; updated=1; }
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"
# Where the kernel cannot start 32-bit programs, the 32-bit Wine loader runs under user-mode emulation.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  install_missing qemu-user
fi
echo "All build dependencies are installed."
