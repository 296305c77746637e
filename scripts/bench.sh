#!/usr/bin/env bash
# Start-up and loading figures under Wine, on a private display.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
arch="$(choose_arch)"
bash "$here/wine-session.sh" "$arch" start
trap 'bash "$here/wine-session.sh" "$arch" stop' EXIT
brimlow_use "$arch"
wine_run "$BRIMLOW_BUILD_DIR/bench/brimlow_bench.exe" "$(wine_path -w "$BRIMLOW_BUILD_DIR/Brimlow.exe")" \
  "$(wine_path -w "$BRIMLOW_ROOT/tests/fixtures/FSX.cfg")"
