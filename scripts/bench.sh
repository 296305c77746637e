#!/usr/bin/env bash
# Start-up and loading figures under Wine, on a private display: for each build the host runs itself
# (BRIMLOW_ARCH picks one), each against the notepad.exe of its own bitness in its own prefix. A build the
# host runs only under emulation is not timed: emulation would time the emulator.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
if [ -n "${BRIMLOW_ARCH:-}" ]; then archs="$(choose_arch)"; else archs="$(runnable_archs)"; fi
for arch in i686 x86_64; do
  if ! grep -qx "$arch" <<<"$archs"; then
    host_emulates "$arch" && echo "== $arch: not timed: this host runs 32-bit programs only under emulation"
    continue
  fi
  echo "== $arch, against the $([ "$arch" = i686 ] && echo 32 || echo 64)-bit notepad.exe"
  bash "$here/wine-session.sh" "$arch" start
  trap 'bash "$here/wine-session.sh" "$arch" stop' EXIT
  brimlow_use "$arch"
  wine_run "$BRIMLOW_BUILD_DIR/bench/brimlow_bench.exe" "$(wine_path -w "$BRIMLOW_BUILD_DIR/Brimlow.exe")" \
    "$(wine_path -w "$BRIMLOW_ROOT/tests/fixtures/FSX.cfg")"
  bash "$here/wine-session.sh" "$arch" stop
  trap - EXIT
done
