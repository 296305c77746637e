#!/usr/bin/env bash
# Installs what building and testing Brimlow needs on Debian or Ubuntu. Safe to run again.
# A package mirror part-way through a sync is survived: indexes that fail to download are named and
# left out, and an install that then finds the 32-bit and 64-bit halves of a library at different
# versions is tried once more preferring the distribution's own release over its updates.
set -euo pipefail

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

packages=(mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32 wine64 fonts-wine fonts-liberation libfreetype6:i386 libxrender1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386 libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 xvfb xauth cmake make googletest imagemagick x11-utils xdotool)

warn() { echo "install-deps: warning: $*" >&2; }

# apt-get update exits with 100 when any index failed; the others are still used.
update_indexes() {
  local log failed
  log=$(mktemp)
  if $SUDO apt-get update -qq 2>"$log"; then rm -f "$log"; return 0; fi
  failed=$(grep -o 'Failed to fetch [^ ]*' "$log" | cut -d' ' -f4 | sort -u || true)
  if [ -n "$failed" ]; then
    warn "these package indexes failed to download (a mirror mid-sync?); going on without them:"
    sed 's/^/  /' <<<"$failed" >&2
  else
    warn "apt-get update failed; going on with the indexes at hand:"
    sed 's/^/  /' "$log" >&2
  fi
  rm -f "$log"
}

install_with() {
  $SUDO apt-get install -y -qq --no-install-recommends "$@"
}

# The packages no index offers at all.
unavailable() {
  local p
  for p in "$@"; do
    [[ "$(apt-cache policy "$p" 2>/dev/null)" =~ Candidate:\ [^\(] ]] || echo "$p"
  done
}

install_missing() {
  local missing=() p release gone
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  [ -n "${updated:-}" ] || { update_indexes; updated=1; }
  gone=$(unavailable "${missing[@]}")
  if [ -n "$gone" ]; then
    echo "install-deps: no package index offers: $(tr '\n' ' ' <<<"$gone")" >&2
    exit 1
  fi
  install_with "${missing[@]}" && return 0
  # With one architecture's index of the updates missing, its half of a library is offered only at the
  # release's version while the other half is offered at the update's.
  release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$release" ] || { echo "install-deps: the install failed (see above)" >&2; exit 1; }
  warn "the install failed; trying once more, preferring the release '$release' over its updates"
  install_with -t "$release" "${missing[@]}" && return 0
  echo "install-deps: the install failed (see above) for: ${missing[*]}" >&2
  exit 1
}

install_missing "${packages[@]}"
# Where the kernel cannot start 32-bit programs, the 32-bit Wine loader runs under user-mode emulation.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  install_missing qemu-user
fi
echo "All build dependencies are installed."
